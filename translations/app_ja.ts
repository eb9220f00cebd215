<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>アプリスイッチャーを表示</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>ショートカットランチャーを表示</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>起動時にメッセージを表示</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro ヘルプ</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Kelvaro を終了</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro の設定</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Kelvaro へようこそ</translation>
    </message>
</context>
</TS>
