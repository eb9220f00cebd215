<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>화살표 키로 선택하고, Return으로 단축키를 실행하며, Escape로 닫습니다.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>단축키 없음</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %3개 중 %2번째</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>암호 %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%2페이지 중 %1페이지</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
