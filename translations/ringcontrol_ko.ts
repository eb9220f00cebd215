<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>런처에 앱 추가</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>링에 추가할 앱을 선택하세요.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
</context>
</TS>
