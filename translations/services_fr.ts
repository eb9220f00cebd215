<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour logicielle</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Une nouvelle version est disponible</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 est prêt. Vous avez la %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Impossible de rechercher les mises à jour</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Vous êtes à jour</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 est la dernière version.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Aucune source de mises à jour n’est configurée.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Impossible de joindre le serveur de mises à jour.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ignorer cette version</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro envoie désormais des données d’utilisation anonymes</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Les versions précédentes n’envoyaient rien. Celle-ci signale le lancement de l’app, l’ouverture d’un anneau et le nombre d’onglets trouvés par une capture.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Aucun titre de fenêtre, aucune URL, aucun chemin de fichier, et rien de ce que vous tapez.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Vous pouvez le désactiver maintenant, ou à tout moment dans Réglages › Confidentialité.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Laisser activé</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Désactiver</translation>
    </message>
</context>
</TS>
