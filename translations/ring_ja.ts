<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Kelvaro</name>
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
        <source>Could not read %1's tabs.</source>
        <translation>%1のタブを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaroは%1の開いているタブを読み取れません。ユーザが~/.config内のブラウザのプロファイルフォルダとそのSessionsフォルダを読み取れるか確認してください。</translation>
    </message>
</context>
</TS>
