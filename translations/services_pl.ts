<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kelvaro</name>
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
        <source>Couldn't check for updates</source>
        <translation>Nie udało się sprawdzić uaktualnień</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Sprawdzanie uaktualnień…</translation>
    </message>
    <message>
        <source>You're up to date</source>
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
        <source>Couldn't reach the update server.</source>
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
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Możesz to wyłączyć teraz lub w dowolnej chwili w Ustawienia › Prywatność.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Pozostaw włączone</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Wyłącz</translation>
    </message>
</context>
</TS>
