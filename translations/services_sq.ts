<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Përditësim programi</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Ka një version të ri</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 është gati. Ju keni %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Përditësimet nuk u kontrolluan dot</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Po kontrollohen përditësimet…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Jeni të përditësuar</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 është versioni më i ri.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Nuk është caktuar asnjë burim përditësimesh.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Shërbyesi i përditësimeve nuk u arrit.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Kapërceje këtë version</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Më vonë</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Shkarkoje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro tani dërgon të dhëna anonime përdorimi</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Versionet e mëparshme nuk dërgonin asgjë. Ky raporton kur niset aplikacioni, kur hapet një unazë dhe sa skeda gjeti një ruajtje.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Asnjë titull dritareje, asnjë URL, asnjë shteg skedari dhe asgjë nga ato që shtypni.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Mund ta çaktivizoni tani ose në çdo kohë te Rregullimet › Privatësia.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Mbaje aktiv</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Çaktivizoje</translation>
    </message>
</context>
</TS>
