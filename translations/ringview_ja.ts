<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>矢印キーで選択、Returnでショートカットを実行、Escapeで閉じます。</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>ショートカットなし</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1、%3 件中 %2 件目</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>パスワード %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%2 ページ中 %1 ページ目</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
