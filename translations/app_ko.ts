<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>앱 전환기 보기</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>단축키 런처 보기</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>로그인 시 시작</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>실행 시 메시지 보기</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro 도움말</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>업데이트 확인…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Kelvaro 종료</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro 설정</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Kelvaro에 오신 것을 환영합니다</translation>
    </message>
</context>
</TS>
