<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Software Update</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>A new version is available</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 is ready. You have %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Couldn't check for updates</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>You're up to date</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 is the latest version.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>No update feed is configured.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Couldn't reach the update server.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Skip This Version</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro now sends anonymous usage data</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>No window titles, no URLs, no file paths, and nothing you type.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>You can turn it off now, or at any time in Settings › Privacy.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Keep it on</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Turn it off</translation>
    </message>
</context>
</TS>
