<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>앞으로 삭제</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>왼쪽 화살표</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>오른쪽 화살표</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>위쪽 화살표</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>아래쪽 화살표</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>앱 전환기</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>윈도우 닫기</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>앱 가리기</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>윈도우 최소화</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>선택 영역 스크린샷</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>스크린샷 옵션</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>화면 잠금</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>앱 윈도우</translation>
    </message>
</context>
</TS>
