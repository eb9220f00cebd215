<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>前方削除</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左矢印</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>右矢印</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>上矢印</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下矢印</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>アプリケーションスイッチャー</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウインドウを閉じる</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>アプリケーションを隠す</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>ウインドウをしまう</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>選択部分のスクリーンショット</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>スクリーンショットのオプション</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>画面をロック</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>アプリケーションウインドウ</translation>
    </message>
</context>
</TS>
