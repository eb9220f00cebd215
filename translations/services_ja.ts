<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェア・アップデート</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>新しいバージョンがあります</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 の準備ができました。現在のバージョンは %2 です。</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>アップデートを確認できませんでした</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認中…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>最新の状態です</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 は最新バージョンです。</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>アップデートの配信元が設定されていません。</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>アップデートサーバに接続できませんでした。</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>このバージョンをスキップ</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro は匿名の使用状況データを送信するようになりました</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>以前のバージョンは何も送信していませんでした。このバージョンは、アプリの起動、リングを開いたこと、取り込みで見つかったタブの数を報告します。</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>ウインドウのタイトル、URL、ファイルのパス、入力した内容は一切送信しません。</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>今すぐ、またはいつでも「設定」›「プライバシー」でオフにできます。</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>オンのままにする</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>オフにする</translation>
    </message>
</context>
</TS>
