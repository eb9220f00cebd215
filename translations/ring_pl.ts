<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kelvaro</name>
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
        <source>Could not read %1's tabs.</source>
        <translation>Nie można odczytać kart przeglądarki %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro nie może odczytać otwartych kart przeglądarki %1. Sprawdź, czy Twój użytkownik może czytać folder profilu przeglądarki w ~/.config i jego folder Sessions.</translation>
    </message>
</context>
</TS>
