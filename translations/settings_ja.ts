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
        <source>Shortcut Launcher</source>
        <translation>ショートカットランチャー</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>保存したパスワード</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>保存したタブ</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>実行中のアプリのリングを開きます。</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>最前面のアプリ用に保存したショートカットを開きます。</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>保存したパスワードのリングを開きます。</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Chromeから取り込んだタブを開きます。</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>修飾キーを押し続ける</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>修飾キーを押したままマウスで狙い、離して選択します。</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>トグル</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>キーを離してもリングは開いたままです。もう一度ショートカットを押すかクリックして選択します。</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>ポインタの位置</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>リングはポインタの周りに開くので、いつでも手の届く位置にあります。</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>画面の中央</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>リングは常に画面の中央に開きます。</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>ショートカットが割り当てられていません — %1をキーボードから開けません。</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>入力を妨げないよう、⌘、⌥、⌃のいずれかを追加してください。</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>%1ですでに使用されています。別の組み合わせを選んでください。</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>デスクトップはこの組み合わせをすでに%1に使用しています。Kelvaroに届かない可能性があります。</translation>
    </message>
</context>
</TS>
