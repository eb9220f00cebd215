<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>アプリスイッチャー</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>矢印キーで選択、Returnで切り替え、Escapeで閉じます。</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>アプリがありません</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1、%2/%3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1、ウインドウ %2/%3: %4</translation>
    </message>
</context>
</TS>
