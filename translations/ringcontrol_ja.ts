<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>ランチャーにアプリを追加</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>リングに追加するアプリを選択してください。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
</context>
</TS>
