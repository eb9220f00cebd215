<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Pokaż przełącznik aplikacji</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Pokaż program uruchamiający skróty</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Pokazuj komunikat przy uruchomieniu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Pomoc Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sprawdź uaktualnienia…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Zakończ Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Ustawienia Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Witaj w Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Okno %1</translation>
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
        <translation>Spacja</translation>
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
        <translation>Strzałka w lewo</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Strzałka w prawo</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Strzałka w górę</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Strzałka w dół</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Otwórz…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Nowe okno Findera</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nowy folder</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Pokaż informacje</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikuj</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Przejdź do Pobranych</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Pokaż opcje widoku</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Nowa karta</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nowe okno</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Zamknij kartę</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Otwórz ponownie ostatnią kartę</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Załaduj stronę ponownie</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Pokaż Czytnik</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Nowe okno prywatne</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Otwórz ponownie zamkniętą kartę</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Załaduj ponownie</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Narzędzia deweloperskie</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Nowe okno incognito</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Nowa wiadomość</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Odpowiedz</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Odpowiedz wszystkim</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Przekaż dalej</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Szukaj w skrzynce</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nowa notatka</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista kontrolna</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Załącz plik</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji i symbole</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Nowe wydarzenie</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Przejdź do dzisiaj</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Widok dnia</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Widok tygodnia</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Widok miesiąca</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Wyczyść ekran</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Podziel panel</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Zbuduj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testuj</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Otwórz szybko</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Pokaż płótno / asystenta</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Szybkie otwieranie</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Paleta poleceń</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Pokaż/ukryj terminal</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Pokaż/ukryj pasek boczny</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nowy plik</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Szybkie przełączanie</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Wątki</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Wzmianki i reakcje</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Wycisz/włącz mikrofon</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Wyłącz/włącz dźwięk</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Skrzynka odbiorcza</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Wybór emoji</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Pokaz slajdów</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Odtwórz/Wstrzymaj</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Pokaż kolejkę</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Nowy album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Wycisz dźwięk</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Włącz wideo</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Udostępnij ekran</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Pokaż czat</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Pokaż uczestników</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Nowa strona</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Dodaj komentarz</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Lista zadań</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Narzędzie ramki</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Narzędzie przesuwania</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Narzędzie tekstu</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Narzędzie pióra</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Grupuj zaznaczenie</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nowy dokument</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Pogrubienie</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Eksportuj do PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Nowy arkusz</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Dodaj wiersz powyżej</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Wstaw wykres</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Nowa prezentacja</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Odtwórz pokaz slajdów</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nowy slajd</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Ekran prezentera</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Zapisane wcześniej</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Żadna obsługiwana przeglądarka nie jest uruchomiona.</translation>
    </message>
    <message>
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Nie można odczytać kart przeglądarki %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro nie może odczytać otwartych kart przeglądarki %1. Sprawdź, czy Twój użytkownik może czytać folder profilu przeglądarki w ~/.config i jego folder Sessions.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Hasła</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Dodaj aplikację do programu uruchamiającego</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Wybierz aplikację, którą chcesz dodać do pierścienia.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Uaktualnienie oprogramowania</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Dostępna jest nowa wersja</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 jest gotowy. Masz wersję %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Nie udało się sprawdzić uaktualnień</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Sprawdzanie uaktualnień…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Masz najnowszą wersję</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 to najnowsza wersja.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Nie skonfigurowano źródła uaktualnień.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Nie można połączyć się z serwerem uaktualnień.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Pomiń tę wersję</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro wysyła teraz anonimowe dane o użyciu</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Wcześniejsze wersje nie wysyłały niczego. Ta zgłasza uruchomienie aplikacji, otwarcie pierścienia i liczbę kart znalezionych przy zapisie.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Żadnych tytułów okien, adresów URL, ścieżek plików ani niczego, co wpisujesz.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Pozostaw włączone</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>Przełącznik aplikacji</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Program uruchamiający skróty</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Zapisane hasła</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Zapisane karty</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Otwiera pierścień uruchomionych aplikacji.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Otwiera skróty zapisane dla aplikacji na pierwszym planie.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Otwiera pierścień zapisanych haseł.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Przytrzymanie modyfikatorów</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Przytrzymaj klawisze modyfikujące, aby celować myszą, a następnie puść, aby wybrać.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Przełączanie</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Pierścień pozostaje otwarty po puszczeniu klawiszy. Naciśnij skrót ponownie lub kliknij, aby wybrać.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Przy wskaźniku</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Pierścień otwiera się wokół wskaźnika, więc zawsze jest w zasięgu ręki.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Środek ekranu</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Pierścień zawsze otwiera się na środku ekranu.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Nie przypisano skrótu — %1 nie można otworzyć z klawiatury.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Dodaj Ctrl, Alt lub Super, aby ten skrót nie przerywał pisania.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Już używany przez: %1. Wybierz inną kombinację.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Strzałki wybierają, Return przełącza, Escape zamyka.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Brak aplikacji</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 z %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, okno %2 z %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Strzałki wybierają, Return uruchamia skrót, Escape zamyka.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Brak skrótów</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Hasło %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
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
        <translation>Klawisz %1</translation>
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
        <translation>Pierścień Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Przełącznik aplikacji Kelvaro</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Twój pulpit używa już tego skrótu do %1. Może on nie docierać do Kelvaro.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>przełączania okien</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>przełączania okien wstecz</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>zamykania okna</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>uruchamiania polecenia</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>blokowania ekranu</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>pokazywania pulpitu</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>otwierania terminala</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>wylogowywania</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>przełączania na konsolę tekstową</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Możesz to wyłączyć teraz lub w dowolnej chwili w Ustawienia › Ogólne › Prywatność.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Globalne skróty klawiszowe wymagają sesji X11. Wybierz sesję X11 (Xorg) na ekranie logowania, a następnie ponownie uruchom Kelvaro.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Globalne skróty klawiszowe są niedostępne</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Odmowa dostępu do klawiatury</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Wymagany dostęp do ułatwień dostępu</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>To nie jest sesja X11, więc Kelvaro nie może obserwować globalnych skrótów klawiszowych ani wysuwać okien na wierzch.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>Serwer X nie pozwolił Kelvaro obserwować klawiatury, więc skróty klawiszowe nie mogą otwierać pierścieni.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Magistrala ułatwień dostępu jest wyłączona. Kelvaro potrzebuje jej do odczytywania okien, menu i pól tekstowych.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Dlaczego?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Spokojna</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Szybka</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Otwieraj po zalogowaniu</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Uruchamiaj Kelvaro automatycznie po zalogowaniu.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Uruchamianie</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Wysyłaj anonimowe dane o użyciu</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Uruchomienia, otwarcia pierścieni i liczba kart znalezionych przy zapisie. Nigdy tytuły okien, adresy URL, ścieżki plików ani nic, co wpisujesz.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Prywatność</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Zachowanie</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktywacja</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Otwieraj pierścień</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Podążaj za wskaźnikiem między ekranami</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>W przeciwnym razie pierścień zawsze otwiera się na ekranie głównym.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Rozmiar pierścienia</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Prędkość animacji</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Przechylaj środkową ikonę za wskaźnikiem</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Dodaje subtelny efekt paralaksy do ikony wybranej aplikacji.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>Ograniczenie ruchu jest włączone w ustawieniach pulpitu, więc animacje są zredukowane do minimum.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automatycznie sprawdzaj uaktualnienia</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Raz dziennie, w tle.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Sprawdź teraz</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 jest dostępny</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Wersja jest aktualna</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Dodaj Ctrl, Alt lub Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Skrót klawiszowy</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Aktywuj, aby nagrać nowy skrót. Naciśnij Escape, aby anulować, lub Delete, aby wyczyścić.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Wyczyść skrót</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Naciśnij klawisz, aby zakończyć · Esc anuluje</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Przytrzymaj modyfikatory, a potem naciśnij klawisz · Esc anuluje</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Nagrywanie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Brak akcji</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Przesuń %1 w górę</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Przesuń %1 w dół</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Edytuj %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Usuń %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Przytrzymaj, aby pierścień pozostał otwarty</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Nic nie wybrano — pierścień pozostaje otwarty, dopóki nie klikniesz lub nie naciśniesz Escape.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Trzymaj %1 podczas celowania. Po puszczeniu pierścień wybierze podświetlony element.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Przypisanie klawiszy</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Naciśnij skrót</translation>
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
        <translation>spacja</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>enter</translation>
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
        <translation>Używaj języka systemu</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>Dalsza część przewodnika będzie w wybranym języku.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>Interfejs zmienia się od razu.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Uruchom ponownie teraz</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Przełącznik</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Program uruchamiający</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Nie ma jeszcze haseł</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Nie ma jeszcze skrótów</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Podgląd pierścienia</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Nie przypisano skrótu</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Skrót: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Ta strona nie jest jeszcze dostępna w tej wersji.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro chce odblokować Twoje zapisane hasła</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Odblokuj zapisane hasła</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Odblokuj</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Nie udało się odczytać części ustawień. Plik ustawień w dotychczasowej postaci zachowano jako %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Nie udało się odczytać pliku ustawień, więc Kelvaro uruchomiono z ustawieniami domyślnymi. Plik zachowano jako %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Nie udało się odczytać pliku ustawień %1, więc Kelvaro uruchomiono z ustawieniami domyślnymi.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Nie można zapisać ustawień w %1 (%2). Zmiany zostaną zachowane do zamknięcia Kelvaro.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Wybierz ikonę</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Edytuj konto</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Dodaj konto</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikona</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Poczta służbowa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>E-mail / konto</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Po zapisaniu dodaj hasła do tego konta z listy.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Dodaj kolejne hasło</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Każde hasło jest zapisywane w tym koncie. Kilka haseł otwiera łuk na pierścieniu.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Wyświetlane w łuku, gdy to konto ma więcej niż jedno hasło.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Edytuj hasło</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Dodaj hasło</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Dodaj hasła</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Dodaj %n hasło</numerusform>
            <numerusform>Dodaj %n hasła</numerusform>
            <numerusform>Dodaj %n haseł</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Ukryj hasło</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Pokaż hasło</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Prywatne</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etykieta</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Usuń to hasło</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Podpowiedź (opcjonalnie)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>kończy się na 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Baza kluczy pulpitu nie przechowała hasła „%1”, więc nie zostało ono zapisane. Odblokuj bazę kluczy i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Konta i hasła</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Przechowywane w bazie kluczy pulpitu (Secret Service), można je odczytać tylko wtedy, gdy sesja jest odblokowana. Wybranie hasła wypełnia aktywne pole tekstowe, jeśli można w nim pisać, a w przeciwnym razie kopiuje hasło do schowka (czyszczonego po 45 sekundach). Konto z więcej niż jednym hasłem pokazuje je w łuku obok swojego wycinka.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 hasło</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n hasło</numerusform>
            <numerusform>%n hasła</numerusform>
            <numerusform>%n haseł</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Nie ma jeszcze kont</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Edytuj to konto</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Usuń to konto</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Dodaj konto, a następnie dodaj do niego hasła.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>To konto nie ma jeszcze haseł.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Dodaj hasła należące do tego adresu e-mail.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Przesuń w górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Przesuń w dół</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Edytuj to hasło</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Usuń %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konta</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Usunąć konto „%1”?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Jego %n hasło zostanie usunięte z bazy kluczy pulpitu.</numerusform>
            <numerusform>Jego %n hasła zostaną usunięte z bazy kluczy pulpitu.</numerusform>
            <numerusform>Jego %n haseł zostanie usuniętych z bazy kluczy pulpitu.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Nie przypisano skrótu — tego programu uruchamiającego nie można otworzyć z klawiatury.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Otwiera karty zapisane z przeglądarek.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Szukaj ikony</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Nazwa ikony</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Wczytaj PNG…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Użyj własnego obrazu, do 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Wybierz ikonę</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Brak wyników dla „%1”</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Nie można dodać ikony</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Naciśnięcie klawiszy</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Wysyłane do aplikacji na pierwszym planie, tak jakby klawisze naciśnięto ręcznie.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Kopiowany do schowka, gotowy do wklejenia.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Otwierany w domyślnej przeglądarce.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Edytuj skrót</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Nowy skrót</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>dla aplikacji %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Naciśnięcie klawiszy do wysłania</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Dodaj skrót</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Nadaj skrótowi nazwę.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Nagraj naciśnięcie klawiszy do wysłania.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Wpisz tekst do skopiowania.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Wpisz link do otwarcia.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>To nie wygląda na prawidłowy link.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Sugerowane skróty dla aplikacji %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Wybierz te, które chcesz mieć na pierścieniu. Możesz je później edytować.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Dodaj 1 skrót</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Dodaj skróty</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Dodaj %n skrót</numerusform>
            <numerusform>Dodaj %n skróty</numerusform>
            <numerusform>Dodaj %n skrótów</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Odznacz wszystko</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>Znaleziono %n skrót w menu.</numerusform>
            <numerusform>Znaleziono %n skróty w menu.</numerusform>
            <numerusform>Znaleziono %n skrótów w menu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Najpierw otwórz aplikację, a potem ponownie zaimportuj.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Odczytywanie menu wymaga magistrali ułatwień dostępu pulpitu, która jest wyłączona.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Nie można odczytać menu tej aplikacji.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Sugerowane</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Z menu</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Odczytywanie menu…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Otwórz aplikację i importuj menu</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Importuj z menu</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Wybierz plik PNG. Nie można używać folderów, dowiązań ani urządzeń.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Wybierz plik PNG mniejszy niż 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Wybierz plik PNG o rozmiarze najwyżej 1024 × 1024 pikseli.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Nie można odczytać tego pliku jako PNG.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Nie można zapisać ikony: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Plik sesji Firefoksa %1 jest za duży, aby go odczytać.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Nie można odczytać pliku sesji Firefoksa %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro nie może odczytać otwartych kart przeglądarki %1. Sprawdź, czy Twój użytkownik może czytać jej folder profilu w ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>Zapisano %n kartę.</numerusform>
            <numerusform>Zapisano %n karty.</numerusform>
            <numerusform>Zapisano %n kart.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>Zapisano %n kartę z przeglądarki %1.</numerusform>
            <numerusform>Zapisano %n karty z przeglądarki %1.</numerusform>
            <numerusform>Zapisano %n kart z przeglądarki %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 z przeglądarki %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>Zapisano %n kartę — %1.</numerusform>
            <numerusform>Zapisano %n karty — %1.</numerusform>
            <numerusform>Zapisano %n kart — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>Zachowano 1 wcześniejszy zapis.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>Zachowano %n wcześniejszy zapis.</numerusform>
            <numerusform>Zachowano %n wcześniejsze zapisy.</numerusform>
            <numerusform>Zachowano %n wcześniejszych zapisów.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 karta</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n karta</numerusform>
            <numerusform>%n karty</numerusform>
            <numerusform>%n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Przeglądarki i karty</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Odczytuje wszystkie karty otwarte w przeglądarkach Chrome, Brave, Edge, Vivaldi, Opera, Chromium i Firefox z plików sesji w ich folderach profilu i przechowuje je tutaj, aby można było otworzyć je ponownie po zamknięciu przeglądarki. Każdy zapis jest przechowywany jako osobna sesja; pierścień pokazuje wybrany zapis, po dziesięć kart naraz.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Nic jeszcze nie zapisano</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Zapisywanie…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Zapisz karty</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Zmień nazwę tego zapisu</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Usuń ten zapis</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Nie zapisano jeszcze żadnych kart.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Otwórz przeglądarkę i zapisz jej otwarte karty.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Brak otwartych kart do zapisania.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Zmień nazwę zapisu</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Zapisy</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Dodaj aplikację</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 aplikacja</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n aplikacja</numerusform>
            <numerusform>%n aplikacje</numerusform>
            <numerusform>%n aplikacji</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Nie dodano jeszcze aplikacji.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Wybierz aplikacje, które ten program uruchamiający ma pokazywać na pierścieniu.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Programy uruchamiające i aplikacje</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Nowy program uruchamiający</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Zmień nazwę programu uruchamiającego</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Otwiera ten program uruchamiający.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Nie ma jeszcze programów uruchamiających</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Dodaj program uruchamiający</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Zmień nazwę tego programu uruchamiającego</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Usuń ten program uruchamiający</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Programy uruchamiające</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Sugestie</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Aplikacje i skróty</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 skrót</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n skrót</numerusform>
            <numerusform>%n skróty</numerusform>
            <numerusform>%n skrótów</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Wybierz aplikację, do której chcesz dodać skróty</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Nie dodano jeszcze aplikacji</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Usuń tę aplikację</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Dodaj sugerowane skróty dla tej aplikacji</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Dodaj skróty klawiszowe, fragmenty tekstu lub linki dla aplikacji %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplikacje</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro już działa</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>Dwa pierścienie</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Przytrzymaj jego skrót, najedź wskaźnikiem na aplikację i puść. Pierścień otwiera się wokół wskaźnika lub na środku ekranu — wybór należy do Ciebie, w Ustawienia › Ogólne.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Otwiera skróty zapisane dla aplikacji, która akurat jest na pierwszym planie, dzięki czemu możesz sterować nią jej własnymi skrótami klawiszowymi bez zapamiętywania ich.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Wybór okna</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>Łuk okien</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Gdy podświetlona aplikacja ma więcej niż jedno okno, obok niej pojawia się łuk w kształcie ćwierci okręgu z listą okien. Przesuwaj wskaźnik dalej na zewnątrz, na łuk, aby wybrać konkretne okno zamiast samej aplikacji.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>Łuk nigdy się nie pojawia</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Łuk pojawia się tylko przy aplikacji z więcej niż jednym oknem: w aplikacji z jednym oknem nie ma z czego wybierać, więc łuk pozostaje ukryty.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Zmiana przypisania klawiszy</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Ustawienia › Przełącznik lub Skróty, następnie kliknij pole nagrywania i naciśnij wybraną kombinację. Dodaj Ctrl, Alt lub Super, aby skrót nie uruchamiał się podczas pisania.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Przytrzymanie czy przełączanie</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Domyślnie pierścień pozostaje otwarty, dopóki przytrzymujesz modyfikatory skrótu, a wybór następuje po ich puszczeniu. W Ustawienia › Ogólne możesz to zmienić tak, aby pierścień pozostawał otwarty do ponownego naciśnięcia lub kliknięcia.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Jeśli nic się nie dzieje</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Dostęp do pulpitu</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Globalne skróty klawiszowe wymagają sesji X11, a odczytywanie menu i wpisywanie haseł wymaga magistrali ułatwień dostępu. Gdy czegoś brakuje, w ustawieniach wyświetla się baner z przyciskiem, który włącza magistralę ułatwień dostępu.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Odnajdywanie aplikacji</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro celowo nie ma własnego okna. Znajduje się w zasobniku systemowym; zamknięcie okna nie kończy jego działania.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Ponowne uruchomienie</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Ponowne uruchomienie Kelvaro, gdy już działa, otwiera jego ustawienia — albo przewodnik powitalny, jeśli nie został jeszcze ukończony.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>To najczęstsza przyczyna zgłoszeń typu „nic się nie dzieje”.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Wszystkie otwarte aplikacje w pierścieniu wokół wskaźnika.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Kontakt z pomocą techniczną</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Strona pomocy technicznej</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Polityka prywatności</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Warunki użytkowania</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Twoje aplikacje, skróty i hasła pozostają na tym komputerze.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Pokazuj ten komunikat przy uruchomieniu aplikacji</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Naciśnij %1, aby otworzyć pierścień</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Nie przypisano jeszcze skrótu. Otwórz Ustawienia, aby go wybrać.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>Sesja X11</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Globalne skróty klawiszowe</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Magistrala ułatwień dostępu</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Zacznij korzystać z Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Wybierz język</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro mówi w 17 językach. Wybierz jeden albo pozwól mu używać języka systemu.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Wszystkie otwarte aplikacje w pierścieniu wokół wskaźnika. Wystarczy jeden skrót.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Wykrywa tylko jeden wybrany przez Ciebie skrót</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Przełącza aplikacje i wysyła ustawione przez Ciebie skróty</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Nigdy nie odczytuje tego, co wpisujesz</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Nie wysyła niczego, co tu widzi — to zostaje na tym komputerze</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Wymaga sesji X11</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Włącz magistralę ułatwień dostępu</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Wszystko gotowe</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Pozwól Kelvaro widzieć Twój skrót</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Globalne skróty klawiszowe działają, a magistrala ułatwień dostępu jest włączona. Nie trzeba niczego więcej konfigurować.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux potrzebuje do tego dwóch rzeczy: sesji X11 dla globalnych skrótów klawiszowych oraz magistrali ułatwień dostępu do odczytywania menu i wpisywania haseł.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Nie ustawiono skrótu</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Nagraj inny skrót</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Użyj domyślnego skrótu</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Przytrzymaj go — pierścień się otworzy.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Wskaż wybraną aplikację.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Puść — Kelvaro przełączy się na nią.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Twój skrót</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>To on otwiera pierścień. Zachowaj go lub nagraj własny.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Kliknij ikonę Kelvaro w zasobniku systemowym.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Ustawienia — dodawaj aplikacje, edytuj skróty, zmieniaj klawisze.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro mieszka w zasobniku systemowym</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Kelvaro celowo nie ma własnego okna. Zamknij okno, a nadal będzie działać — wszystko jest na jedno kliknięcie w zasobniku systemowym.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Plik ustawień został uszkodzony po odczytaniu go przez Kelvaro. Uszkodzony plik zachowano jako %1, a ustawienia zapisano ponownie.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>Nie wprowadzono zmiany ustawień: plik ustawień %1 stałby się zbyt duży, by można go było ponownie odczytać.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>Pominięto %Ln kartę: jej adres ma ponad %1 znaków.</numerusform>
            <numerusform>Pominięto %Ln karty: ich adresy mają ponad %1 znaków.</numerusform>
            <numerusform>Pominięto %Ln kart: ich adresy mają ponad %1 znaków.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>Pominięto %Ln kartę: jeden zapis obejmuje najwyżej %1 kart.</numerusform>
            <numerusform>Pominięto %Ln karty: jeden zapis obejmuje najwyżej %1 kart.</numerusform>
            <numerusform>Pominięto %Ln kart: jeden zapis obejmuje najwyżej %1 kart.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>Pominięto %Ln kartę: zapis byłby zbyt duży, by go zachować.</numerusform>
            <numerusform>Pominięto %Ln karty: zapis byłby zbyt duży, by go zachować.</numerusform>
            <numerusform>Pominięto %Ln kart: zapis byłby zbyt duży, by go zachować.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>Zapisu nie zachowano: plik ustawień stałby się zbyt duży.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>To hasło nie zostało przyjęte. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Twoje hasło logowania nie zostało przyjęte. Nie udostępniono żadnego zapisanego hasła.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Wpisz swoje hasło logowania, aby używać zapisanych haseł.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>Wybrane okno zostało zamknięte lub nie jest już na pierwszym planie. Hasło będzie w schowku przez %n sekundę.</numerusform>
            <numerusform>Wybrane okno zostało zamknięte lub nie jest już na pierwszym planie. Hasło będzie w schowku przez %n sekundy.</numerusform>
            <numerusform>Wybrane okno zostało zamknięte lub nie jest już na pierwszym planie. Hasło będzie w schowku przez %n sekund.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Hasło nie trafiło do pola. Będzie w schowku przez %n sekundę: wklej je tam samodzielnie.</numerusform>
            <numerusform>Hasło nie trafiło do pola. Będzie w schowku przez %n sekundy: wklej je tam samodzielnie.</numerusform>
            <numerusform>Hasło nie trafiło do pola. Będzie w schowku przez %n sekund: wklej je tam samodzielnie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 nie przyjął hasła. Będzie ono w schowku przez %n sekundę: wklej je samodzielnie do pola.</numerusform>
            <numerusform>%1 nie przyjął hasła. Będzie ono w schowku przez %n sekundy: wklej je samodzielnie do pola.</numerusform>
            <numerusform>%1 nie przyjął hasła. Będzie ono w schowku przez %n sekund: wklej je samodzielnie do pola.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Żadne pole tekstowe nie było aktywne. Hasło będzie w schowku przez %n sekundę: wklej je.</numerusform>
            <numerusform>Żadne pole tekstowe nie było aktywne. Hasło będzie w schowku przez %n sekundy: wklej je.</numerusform>
            <numerusform>Żadne pole tekstowe nie było aktywne. Hasło będzie w schowku przez %n sekund: wklej je.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Własna ikona: plik PNG o rozmiarze do 1 MB i do 1024 × 1024 pikseli.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Nazwa jest wymagana.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Użycie: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetl tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetl wersję i zakończ.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro wymaga sesji X11: ta sesja Wayland nie ma XWayland (zmienna DISPLAY nie jest ustawiona).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro wymaga sesji X11: zmienna DISPLAY nie jest ustawiona.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro wymaga sesji X11: nie można otworzyć ekranu %1.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Ta kompilacja Kelvaro nie może wysyłać danych o użyciu.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Już używany przez: %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Opróżnij kosz</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Przełącz nagrywanie</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Nie udało się odczytać dziennika sesji %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro nie może odczytać otwartych kart przeglądarki %1: Twój użytkownik nie ma uprawnień do odczytu %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 działa, ale nie udało się odczytać jego sesji: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 działa, ale Kelvaro nie znalazł pliku sesji w jego folderach profilu.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 działa, ale w jego sesji nie ma otwartych stron internetowych.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Zapisane przechwycenia nie zostały zmienione: części z nich nie udało się odczytać, a w pliku ustawień nie ma miejsca na ich kopię. Pozostają bez zmian.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>Zapis nie został zachowany: zapisane karty zajmują całe dostępne miejsce. Usuń zapisy, których już nie potrzebujesz, a potem zapisz ponownie.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Nie można zmienić programów uruchamiających: części z nich nie udało się odczytać, a w pliku ustawień nie ma miejsca na ich kopię. Pozostają bez zmian.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: nieznana opcja: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Ta kompilacja Kelvaro nie ma kanału aktualizacji.</translation>
    </message>
</context>
</TS>
