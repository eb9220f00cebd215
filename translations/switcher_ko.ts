<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>앱 전환기</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>화살표 키로 선택하고 Return으로 전환하며 Escape로 닫습니다.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>앱 없음</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %3개 중 %2번째</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, 윈도우 %3개 중 %2번째: %4</translation>
    </message>
</context>
</TS>
