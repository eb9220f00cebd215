<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>앱 전환기</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>단축키 실행기</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>저장된 암호</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>저장된 탭</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>실행 중인 앱의 링을 엽니다.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>앞에 있는 앱에 저장한 단축키를 엽니다.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>저장된 암호의 링을 엽니다.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Chrome에서 가져온 탭을 엽니다.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>보조 키 누르고 있기</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>보조 키를 누른 채 마우스로 가리킨 다음 놓아서 선택합니다.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>토글</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>키를 놓아도 링이 열려 있습니다. 단축키를 다시 누르거나 클릭하여 선택합니다.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>포인터 위치</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>링이 포인터 주위에 열리므로 항상 손이 닿는 곳에 있습니다.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>화면 중앙</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>링이 항상 화면 가운데에 열립니다.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>지정된 단축키가 없습니다 — 키보드로 %1을(를) 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>입력을 방해하지 않도록 ⌘, ⌥ 또는 ⌃를 추가하세요.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>이미 %1에서 사용 중입니다. 다른 조합을 선택하세요.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>데스크톱에서 이미 %1에 사용 중입니다. Kelvaro에 전달되지 않을 수 있습니다.</translation>
    </message>
</context>
</TS>
