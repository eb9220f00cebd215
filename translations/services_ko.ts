<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>새로운 버전이 있습니다</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 버전이 준비되었습니다. 현재 버전은 %2입니다.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>업데이트를 확인할 수 없습니다</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>업데이트 확인 중…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>최신 버전을 사용 중입니다</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 버전이 최신 버전입니다.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>업데이트 피드가 설정되지 않았습니다.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>업데이트 서버에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>이 버전 건너뛰기</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro가 이제 익명 사용 데이터를 보냅니다</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>이전 버전은 아무것도 보내지 않았습니다. 이 버전은 앱이 실행될 때, 링이 열릴 때, 그리고 캡처에서 찾은 탭 수를 보고합니다.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>창 제목, URL, 파일 경로, 입력한 내용은 보내지 않습니다.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>지금 또는 언제든지 설정 › 개인정보 보호에서 끌 수 있습니다.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>켜 두기</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>끄기</translation>
    </message>
</context>
</TS>
