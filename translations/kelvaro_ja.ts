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
    <message>
        <source>Full Screen</source>
        <translation>フルスクリーン</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>ウインドウ %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
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
        <translation>Delete</translation>
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
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開く…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>ウインドウを閉じる</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>ペースト</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>新規Finderウインドウ</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新規フォルダ</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>情報を見る</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>ダウンロードへ移動</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>表示オプションを表示</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>新規タブ</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新規ウインドウ</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>タブを閉じる</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>最後に閉じたタブを開く</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>ページを再読み込み</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>リーダーを表示</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>新規プライベートウインドウ</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>閉じたタブを再度開く</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>デベロッパツール</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>新しいシークレットウインドウ</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>新規メッセージ</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>返信</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>全員に返信</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>転送</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>メールボックスを検索</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>新規メモ</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>チェックリスト</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>ファイルを添付</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>絵文字と記号</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>新規イベント</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>今日へ移動</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>日表示</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>週表示</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>月表示</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>画面をクリア</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>パネルを分割</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>ビルド</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>クイックオープン</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>キャンバス/アシスタントを表示</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>クイックオープン</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>コマンドパレット</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>ターミナルの切り替え</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>サイドバーの切り替え</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>新規ファイル</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>クイックスイッチャー</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>スレッド</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>メンションとリアクション</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>ミュートの切り替え</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>スピーカーミュートの切り替え</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>受信ボックス</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>絵文字ピッカー</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>スライドショー</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>シャッフル</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>キューを表示</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>読み込む</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>新規アルバム</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>オーディオをミュート</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>ビデオを開始</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>画面を共有</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>チャットを表示</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>参加者を表示</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>新規ページ</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>コメントを追加</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>ToDoリスト</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>フレームツール</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>移動ツール</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>テキストツール</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>ペンツール</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>選択範囲をグループ化</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>新規書類</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>ボールド</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>PDFとして書き出す</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>新規スプレッドシート</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>上に行を追加</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>グラフを挿入</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>新規プレゼンテーション</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>スライドショーを再生</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>新規スライド</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>発表者ディスプレイ</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>以前に保存</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>対応しているブラウザが起動していません。</translation>
    </message>
    <message>
        <source>Could not read %1&apos;s tabs.</source>
        <translation>%1のタブを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaroは%1の開いているタブを読み取れません。ユーザが~/.config内のブラウザのプロファイルフォルダとそのSessionsフォルダを読み取れるか確認してください。</translation>
    </message>
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
        <source>Couldn&apos;t check for updates</source>
        <translation>アップデートを確認できませんでした</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認中…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
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
        <source>Couldn&apos;t reach the update server.</source>
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
        <source>Keep it on</source>
        <translation>オンのままにする</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>オフにする</translation>
    </message>
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
        <translation>入力を妨げないよう、Ctrl、Alt、Super のいずれかを追加してください。</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>%1ですでに使用されています。別の組み合わせを選んでください。</translation>
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
        <translation>%1、%3 件中 %2 件目</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1、ウインドウ %2/%3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>矢印キーで選択、Returnでショートカットを実行、Escapeで閉じます。</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>ショートカットなし</translation>
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
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>キー %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Kelvaro Ring</source>
        <translation>Kelvaro リング</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Kelvaro アプリスイッチャー</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>お使いのデスクトップはこの組み合わせをすでに%1に使用しています。Kelvaro に届かない可能性があります。</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>ウインドウの切り替え</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>ウインドウの逆順の切り替え</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>ウインドウを閉じる操作</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>コマンドの実行</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>画面のロック</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>デスクトップの表示</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>端末の起動</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>テキストコンソールへの切り替え</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>今すぐ、またはいつでも「設定」›「一般」›「プライバシー」でオフにできます。</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>グローバルホットキーを使うには X11 セッションが必要です。ログイン画面で X11 (Xorg) セッションを選択してから、Kelvaro を起動し直してください。</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>グローバルホットキーを使用できません</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>キーボードへのアクセスが拒否されました</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>アクセシビリティへのアクセスが必要です</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>X11 セッションではないため、Kelvaro はグローバルホットキーを監視することも、ウインドウを前面に出すこともできません。</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>X サーバが Kelvaro にキーボードの監視を許可しなかったため、ホットキーでリングを開けません。</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>アクセシビリティバスがオフになっています。Kelvaro はウインドウ、メニュー、テキストフィールドを読み取るためにこれを必要とします。</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>オンにする</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>理由を表示</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>ゆっくり</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>ログイン時に Kelvaro を自動的に起動します。</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>起動</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>匿名の使用状況データを送信</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>起動、開いたリング、取り込みで見つかったタブの数。ウインドウのタイトル、URL、ファイルのパス、入力した内容は一切送信しません。</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>起動方法</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>リングを開く位置</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>ディスプレイをまたいでポインタに追従</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>オフの場合、リングは常にメインディスプレイに開きます。</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>リングのサイズ</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>アニメーションの速度</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>中央のアイコンをポインタに合わせて傾ける</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>選択したアプリのアイコンにさりげない視差効果を加えます。</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>デスクトップの設定で「動きを減らす」がオンになっているため、アニメーションは最小限に抑えられます。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>アップデートを自動的に確認</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>1日に1回、バックグラウンドで確認します。</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>今すぐ確認</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 が利用可能です</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>最新の状態</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Ctrl、Alt、Super のいずれかを含めてください。</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>有効にすると新しいショートカットを記録します。Escape でキャンセル、Delete で消去します。</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>ショートカットを消去</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>キーを押して完了 · Esc でキャンセル</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>修飾キーを押したまま、キーを押してください · Esc でキャンセル</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>記録中</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>アクションなし</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1 を上へ移動</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 を下へ移動</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 を編集</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>押している間ホイールを開いたままにする</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>選択なし — クリックするか Escape を押すまで、ホイールは開いたままです。</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>狙いを定める間は %1 を押したままにしてください。離すと、ハイライトされている項目がホイールで選択されます。</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>キー割り当て</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>ショートカットを入力</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>shift</translation>
    </message>
    <message>
        <source>super</source>
        <translation>super</translation>
    </message>
    <message>
        <source>alt</source>
        <translation>alt</translation>
    </message>
    <message>
        <source>ctrl</source>
        <translation>ctrl</translation>
    </message>
    <message>
        <source>space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>return</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>backspace</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>システムの言語に合わせる</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>このガイドの以降の部分は、選択した言語で表示されます。</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>インターフェイスはすぐに更新されます。</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>スイッチャー</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>ランチャー</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>パスワードはまだありません</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>ショートカットはまだありません</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>アプリを選択してください</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>リングのプレビュー</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>ショートカットが割り当てられていません</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>ショートカット: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>このページはこのバージョンではまだ利用できません。</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro が保存したパスワードのロック解除を求めています</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>保存したパスワードのロックを解除</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>ロック解除</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>一部の設定を読み込めませんでした。元の設定ファイルは %1 として保存してあります。</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>設定ファイルを読み込めなかったため、Kelvaro は既定の設定で起動しました。ファイルは %1 として保存してあります。</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>設定ファイル %1 を読み込めなかったため、Kelvaro は既定の設定で起動しました。</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>設定を %1 に保存できません（%2）。変更は Kelvaro を終了するまで保持されます。</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>アイコンを選択</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>アカウントを編集</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>アカウントを追加</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>アイコン</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>仕事用メール</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>メール / アカウント</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>保存後に、一覧からこのアカウントのパスワードを追加してください。</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>パスワードをさらに追加</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>各パスワードはこのアカウントの下に保存されます。パスワードが複数あると、リング上に円弧が開きます。</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>このアカウントに複数のパスワードがあるときに、円弧に表示されます。</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>パスワードを編集</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>パスワードを追加</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>パスワードを追加</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>%n 件のパスワードを追加</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>パスワードを隠す</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>パスワードを表示</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>個人用</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>このパスワードを削除</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>ヒント（任意）</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>末尾 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>デスクトップのキーリングにパスワード「%1」が格納されなかったため、保存されませんでした。キーリングのロックを解除してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>アカウントとパスワード</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>デスクトップのキーリング（Secret Service）に保存され、セッションのロックが解除されている間だけ読み取れます。選択すると、入力できる場合はフォーカスのあるテキストフィールドに入力され、それ以外の場合はクリップボードにコピーされます（45 秒後に消去）。複数のパスワードを持つアカウントでは、パスワードがその扇形の横に円弧状に表示されます。</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>パスワード 1 件</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>パスワード %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>アカウントはまだありません</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>このアカウントを編集</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>このアカウントを削除</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>アカウントを追加してから、その下にパスワードを追加してください。</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>このアカウントのパスワードはまだありません。</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>このメールアドレスに属するパスワードを追加してください。</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>このパスワードを編集</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>アカウント「%1」を削除しますか？</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>このアカウントの %n 件のパスワードがデスクトップのキーリングから削除されます。</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>ショートカットが割り当てられていません — このランチャーをキーボードから開けません。</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>ブラウザから取り込んだタブを開きます。</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>アイコンを検索</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>アイコン名</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>PNG を読み込む…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>独自の画像を使用（最大 1 MB）</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>アイコンを選択</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>「%1」に一致する結果はありません</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>アイコンを追加できませんでした</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>キー入力</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>自分でキーを押したときと同じように、最前面のアプリに送信されます。</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>クリップボードにコピーされ、すぐにペーストできます。</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>既定のブラウザで開きます。</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>ショートカットを編集</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>新規ショートカット</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>%1 用</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>アクション</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>送信するキー入力</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>ショートカットを追加</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>ショートカットの名前を入力してください。</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>送信するキー入力を記録してください。</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>コピーするテキストを入力してください。</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>開くリンクを入力してください。</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>有効なリンクではないようです。</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>%1 のおすすめショートカット</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>リングに置きたいものを選んでください。後で編集できます。</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>1 件のショートカットを追加</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>ショートカットを追加</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>%n 件のショートカットを追加</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>すべての選択を解除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべてを選択</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>メニューで %n 件のショートカットが見つかりました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>先にアプリを開いてから、もう一度読み込んでください。</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>メニューを読み取るにはデスクトップのアクセシビリティバスが必要ですが、オフになっています。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>このアプリのメニューを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>おすすめ</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>メニューから</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>メニューを読み取り中…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>アプリを開いてメニューを読み込む</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>メニューから読み込む</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>PNG ファイルを選択してください。フォルダ、リンク、デバイスは使用できません。</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>1 MB 未満の PNG を選択してください。</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>1024 × 1024 ピクセル以下の PNG を選択してください。</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>このファイルを PNG として読み込めませんでした。</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>アイコンを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 を開けませんでした: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Firefox のセッションファイル %1 は大きすぎるため読み込めません。</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Firefox のセッションファイル %1 を読み込めませんでした: %2。</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaroは%1の開いているタブを読み取れません。ユーザが~/.mozilla/firefox内のそのプロファイルフォルダを読み取れるか確認してください。</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>%n 個のタブを取り込みました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>%1 から %n 個のタブを取り込みました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 から %1 個</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>%n 個のタブを取り込みました — %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>以前の取り込みを 1 件保持しています。</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>以前の取り込みを %n 件保持しています。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>タブ 1 個</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>タブ %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>ブラウザとタブ</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Chrome、Brave、Edge、Vivaldi、Opera、Chromium、Firefox で開いているすべてのタブを、各プロファイルフォルダ内のセッションファイルから読み取ってここに保存するので、ブラウザを閉じた後でも開き直せます。取り込みはそれぞれ個別のセッションとして保存され、リングには選択したセッションのタブが一度に 10 個ずつ表示されます。</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>まだ何も取り込まれていません</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>取り込み中…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>タブを取り込む</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>この取り込みの名前を変更</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>この取り込みを削除</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>まだタブが取り込まれていません。</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>ブラウザを開いて、開いているタブを取り込んでください。</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>取り込める開いているタブがありません。</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>取り込みの名前を変更</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>取り込み</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>アプリを追加</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>アプリ 1 個</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>アプリ %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>アプリはまだ追加されていません。</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>このランチャーがリングに表示するアプリを選んでください。</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>ランチャーとアプリ</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>新規ランチャー</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>ランチャーの名前を変更</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>このランチャーを開きます。</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>ランチャーはまだありません</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>ランチャーを追加</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>このランチャーの名前を変更</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>このランチャーを削除</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>ランチャー</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>提案</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>アプリとショートカット</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>ショートカット 1 件</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>ショートカット %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>ショートカットを追加するアプリケーションを選択してください</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>アプリはまだ追加されていません</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>このアプリを削除</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>このアプリのおすすめショートカットを追加</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>%1 用のキーボードショートカット、テキストスニペット、リンクを追加してください。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro が起動しました</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>2 つのリング</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>ショートカットを押したまま、ポインタでアプリを狙って離します。リングはポインタの周りか画面の中央に開きます。どちらにするかは「設定」›「一般」で選べます。</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>最前面にあるアプリ用に保存したショートカットを開きます。そのアプリ独自のキーボードショートカットを覚えていなくても、アプリを操作できます。</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>ウインドウの選択</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>ウインドウの円弧</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>ハイライトされたアプリに複数のウインドウがあると、その横にウインドウを一覧表示する四分円の円弧が現れます。そのまま外側の円弧まで動かすと、アプリではなく個々のウインドウを選択できます。</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>円弧が表示されない</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>円弧は複数のウインドウを持つアプリでのみ表示されます。ウインドウが 1 つだけのアプリには選ぶものがないため、円弧は表示されません。</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>キー割り当ての変更</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>「設定」›「スイッチャー」または「ショートカット」で記録欄をクリックし、使いたい組み合わせを押します。入力中に誤って反応しないよう、Ctrl、Alt、Super のいずれかを加えてください。</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>押し続けとトグル</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>既定では、ショートカットの修飾キーを押している間リングが開いたままになり、離すと選択が確定します。「設定」›「一般」で、もう一度押すかクリックするまで開いたままにするよう切り替えられます。</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>何も起こらない場合</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>デスクトップへのアクセス</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>グローバルショートカットには X11 セッションが、メニューの読み取りやパスワードの入力にはアクセシビリティバスが必要です。何かが不足していると「設定」にバナーが表示され、そこにアクセシビリティバスをオンにするボタンがあります。</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>アプリの見つけ方</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro には、あえて専用のウインドウがありません。システムトレイに常駐しており、ウインドウを閉じても終了しません。</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>最初からやり直す</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>実行中に Kelvaro をもう一度起動すると設定が開きます。ガイドを終えていない場合はガイドが開きます。</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>「何も起こらない」という報告のほとんどは、これが原因です。</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>開いているすべてのアプリを、ポインタの周りのリングに。</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>サポートに問い合わせる</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>サポートページ</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>利用規約</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>アプリ、ショートカット、パスワードがこのコンピュータの外に出ることはありません。</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>アプリの起動時にこのメッセージを表示</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>%1 を押すとリングが開きます</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>ショートカットがまだ割り当てられていません。「設定」を開いて選択してください。</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 セッション</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>グローバルキー</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>アクセシビリティバス</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Kelvaro を使い始める</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>言語を選択</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro は 17 の言語に対応しています。いずれかを選ぶか、システムの言語に合わせてください。</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>開いているすべてのアプリを、ポインタの周りのリングに。キーひとつで呼び出せます。</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>選んだショートカット 1 つだけを検知します</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>アプリを切り替え、設定したショートカットを送信します</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>入力した内容を読み取ることはありません</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>ここで見たものは何も送信しません — すべてこのコンピュータ内にとどまります</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>X11 セッションが必要です</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>アクセシビリティバスをオンにする</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>準備が整いました</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Kelvaro がショートカットを検知できるようにする</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>グローバルキーが機能し、アクセシビリティバスもオンです。ほかに設定することはありません。</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>そのために Linux では 2 つのものが必要です。グローバルキーのための X11 セッションと、メニューの読み取りやパスワードの入力のためのアクセシビリティバスです。</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>ショートカット未設定</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>別のショートカットを記録</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>代わりに既定のショートカットを使用</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>押したままにすると、リングが開きます。</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>使いたいアプリをポインタで指します。</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>離すと、Kelvaro がそのアプリに切り替えます。</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>使用するショートカット</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>このショートカットでリングが開きます。このまま使うか、独自のショートカットを記録してください。</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>システムトレイの Kelvaro アイコンをクリックします。</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>設定 — アプリの追加、ショートカットの編集、キーの変更。</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro はシステムトレイに常駐します</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Kelvaro には、あえて専用のウインドウがありません。ウインドウを閉じても実行し続け、すべての機能にシステムトレイからワンクリックでアクセスできます。</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Kelvaro が読み込んだ後に設定ファイルが破損しました。破損したファイルは %1 として保存してあり、設定は保存し直しました。</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>設定の変更を行いませんでした。設定ファイル %1 が大きくなりすぎて読み込めなくなるためです。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln 個のタブを除外しました。アドレスが %1 文字を超えています。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln 個のタブを除外しました。1 回の取り込みで保持できるタブは %1 個までです。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln 個のタブを除外しました。取り込みが大きすぎて保持できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>取り込みは保持されませんでした。設定ファイルが大きくなりすぎるためです。</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>そのパスワードは受け付けられませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>ログインパスワードが受け付けられませんでした。保存したパスワードは渡されていません。</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>保存したパスワードを使うには、ログインパスワードを入力してください。</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>選択したウインドウは閉じられたか、前面にありません。パスワードは %n 秒間クリップボードにあります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>パスワードはフィールドに入りませんでした。パスワードは %n 秒間クリップボードにあります。ご自分で貼り付けてください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 はパスワードを受け付けませんでした。パスワードは %n 秒間クリップボードにあります。ご自分でフィールドに貼り付けてください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>フォーカスのあるテキストフィールドがありませんでした。パスワードは %n 秒間クリップボードにあります。貼り付けてください。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>独自のアイコン：1 MB 以下、1024 × 1024 ピクセル以下の PNG。</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>名前を入力してください。</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>使い方: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro には X11 セッションが必要です: この Wayland セッションには XWayland がありません (DISPLAY が設定されていません)。</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro には X11 セッションが必要です: DISPLAY が設定されていません。</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro には X11 セッションが必要です: ディスプレイ %1 を開けません。</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>このビルドの Kelvaro は利用状況データを送信できません。</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>%1ですでに使用されています。</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>ゴミ箱を空にする</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>記録の開始/停止</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>セッションログ %1 を読み取れませんでした: %2。</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro は %1 の開いているタブを読み取れません: このユーザーには %2 を読み取る権限がありません。</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 は起動していますが、セッションを読み取れませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 は起動していますが、Kelvaro はそのプロファイルフォルダーにセッションファイルを見つけられませんでした。</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 は起動していますが、セッションに開いているウェブページがありません。</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>保存した取り込みは変更されませんでした。一部を読み込めず、設定ファイルにそのコピーを保管する空きがありません。そのままにしてあります。</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>取り込みは保持されませんでした。保存済みの取り込みが使える容量をすべて使っています。不要な取り込みを削除してから、もう一度取り込んでください。</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>ランチャーを変更できません。一部を読み込めず、設定ファイルにそのコピーを保管する空きがありません。そのままにしてあります。</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: 不明なオプション: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>このビルドの Kelvaro にはアップデートフィードがありません。</translation>
    </message>
</context>
</TS>
