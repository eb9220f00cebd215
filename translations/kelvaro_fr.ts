<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Afficher le sélecteur d’apps</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Afficher le lanceur de raccourcis</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Ouvrir à l’ouverture de session</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Afficher un message au lancement</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Aide Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Quitter Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Réglages de Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Bienvenue dans Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Fenêtre %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Nouvelle fenêtre du Finder</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Lire les informations</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Aller aux téléchargements</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Afficher les options de présentation</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Nouvel onglet</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Fermer l’onglet</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Rouvrir le dernier onglet</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Recharger la page</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Afficher Lecteur</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Nouvelle fenêtre privée</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Rouvrir l’onglet fermé</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Outils de développement</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Nouvelle fenêtre de navigation privée</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Nouveau message</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Répondre</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Répondre à tous</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Transférer</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Recherche dans la boîte aux lettres</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Liste de pointage</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Joindre un fichier</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji et symboles</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Nouvel événement</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Aller à aujourd’hui</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Présentation par jour</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Présentation par semaine</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Présentation par mois</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Effacer l’écran</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Diviser la sous-fenêtre</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Compiler</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Ouvrir rapidement</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Afficher le canevas / l’assistant</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Ouverture rapide</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Palette de commandes</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Afficher/masquer le terminal</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Afficher/masquer la barre latérale</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nouveau fichier</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Changement rapide</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Fils</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Mentions et réactions</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Activer/désactiver le micro</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Mettre en sourdine/réactiver le son</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Boîte de réception</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Sélecteur d’emoji</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diaporama</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Faire pivoter à gauche</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Morceau suivant</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Morceau précédent</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Lecture aléatoire</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Afficher la file d’attente</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Nouvel album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Démarrer la vidéo</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Partager l’écran</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Afficher la discussion</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Afficher les participants</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Nouvelle page</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Ajouter un commentaire</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Liste de tâches</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Outil Cadre</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Outil Déplacement</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Outil Texte</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Outil Plume</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Grouper la sélection</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nouveau document</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exporter au format PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Nouvelle feuille de calcul</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Ajouter une rangée au-dessus</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Insérer un graphique</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Nouvelle présentation</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Lire le diaporama</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nouvelle diapositive</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Écran de l’intervenant</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Enregistré précédemment</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Aucun navigateur pris en charge n’est ouvert.</translation>
    </message>
    <message>
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Impossible de lire les onglets de %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro ne peut pas lire les onglets ouverts de %1. Vérifiez que votre utilisateur peut lire le dossier de profil du navigateur dans ~/.config et son dossier Sessions.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Mots de passe</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Ajouter une app au lanceur</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Choisissez une app à ajouter à l’anneau.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
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
        <source>Couldn&apos;t check for updates</source>
        <translation>Impossible de rechercher les mises à jour</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
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
        <source>Couldn&apos;t reach the update server.</source>
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
        <source>Keep it on</source>
        <translation>Laisser activé</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>Sélecteur d’apps</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Lanceur de raccourcis</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Mots de passe enregistrés</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Onglets enregistrés</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Ouvre l’anneau des apps en cours d’exécution.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Ouvre les raccourcis enregistrés pour l’app au premier plan.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Ouvre l’anneau de vos mots de passe enregistrés.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Maintenir les modificateurs</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Maintenez les touches de modification pour viser avec la souris, puis relâchez pour choisir.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Bascule</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>L’anneau reste ouvert quand vous relâchez. Appuyez à nouveau sur le raccourci ou cliquez pour choisir.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Au pointeur</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>L’anneau s’ouvre autour du pointeur, il est donc toujours à portée de main.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Centre de l’écran</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>L’anneau s’ouvre toujours au milieu de l’écran.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Aucun raccourci attribué — %1 ne peut pas être ouvert depuis le clavier.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Ajoutez Ctrl, Alt ou Super pour que ce raccourci n’interrompe pas la saisie.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Déjà utilisé par %1. Choisissez une autre combinaison.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Les flèches choisissent, Entrée bascule, Échap ferme.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Aucune app</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 sur %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, fenêtre %2 sur %3 : %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Les flèches choisissent, Entrée exécute le raccourci, Échap ferme.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Aucun raccourci</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Mot de passe %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
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
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée (pavé num.)</translation>
    </message>
    <message>
        <source>Kelvaro Ring</source>
        <translation>Anneau Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Sélecteur d’apps Kelvaro</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Votre bureau utilise déjà ce raccourci pour %1. Il risque de ne pas atteindre Kelvaro.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>passer d’une fenêtre à l’autre</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>passer d’une fenêtre à l’autre en sens inverse</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>fermer la fenêtre</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>exécuter une commande</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>verrouiller l’écran</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>afficher le bureau</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>ouvrir un terminal</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>fermer la session</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>basculer vers une console texte</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Vous pouvez le désactiver maintenant, ou à tout moment dans Réglages › Général › Confidentialité.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Les raccourcis globaux nécessitent une session X11. Choisissez une session X11 (Xorg) sur l’écran de connexion, puis relancez Kelvaro.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Raccourcis globaux indisponibles</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Accès au clavier refusé</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Accès à l’accessibilité requis</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>Ceci n’est pas une session X11&#xa0;: Kelvaro ne peut donc ni surveiller les raccourcis globaux ni mettre des fenêtres au premier plan.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>Le serveur X n’a pas autorisé Kelvaro à surveiller le clavier&#xa0;: les raccourcis ne peuvent donc pas ouvrir les anneaux.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Le bus d’accessibilité est désactivé. Kelvaro en a besoin pour lire les fenêtres, les menus et les champs de texte.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Pourquoi&#xa0;?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Tranquille</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Vive</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Ouvrir à l’ouverture de session</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Lancer Kelvaro automatiquement à l’ouverture de votre session.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Envoyer des données d’utilisation anonymes</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Lancements, anneaux ouverts et nombre d’onglets trouvés par une capture. Jamais de titres de fenêtres, d’URL, de chemins de fichiers ni rien de ce que vous tapez.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Comportement</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Activation</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Ouvrir l’anneau</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Suivre le pointeur d’un écran à l’autre</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Sinon, l’anneau s’ouvre toujours sur l’écran principal.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Taille de l’anneau</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Vitesse d’animation</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Incliner l’icône centrale avec le pointeur</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Ajoute un léger effet de parallaxe à l’icône de l’app sélectionnée.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>«&#xa0;Réduire les animations&#xa0;» est activé dans les réglages du bureau, les animations restent donc minimales.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Une fois par jour, en arrière-plan.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 est disponible</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Ajoutez Ctrl, Alt ou Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Activez pour enregistrer un nouveau raccourci. Appuyez sur Échap pour annuler, sur Suppr pour effacer.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Effacer le raccourci</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Appuyez sur une touche pour terminer · Échap pour annuler</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Maintenez les modificateurs, puis appuyez sur une touche · Échap pour annuler</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement en cours</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Aucune action</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Monter %1</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Descendre %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Maintenir pour garder l’anneau ouvert</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Aucune sélection — l’anneau reste ouvert jusqu’à ce que vous cliquiez ou appuyiez sur Échap.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Maintenez %1 pendant que vous visez. Relâchez, et l’anneau choisit l’élément en surbrillance.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Saisissez le raccourci</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>maj</translation>
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
        <translation>espace</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>entrée</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retour arrière</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>échap</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>Utiliser la langue du système</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>La suite de ce guide utilisera votre choix.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>L’interface se met à jour immédiatement.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Relancer maintenant</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Sélecteur</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Lanceur</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Onglets</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Aucun mot de passe pour l’instant</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Aucun raccourci pour l’instant</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Sélectionnez une app</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Aperçu de l’anneau</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Aucun raccourci attribué</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Raccourci&#xa0;: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Cette page n’est pas encore disponible dans cette version.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro souhaite déverrouiller vos mots de passe enregistrés</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Déverrouiller les mots de passe enregistrés</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Certains de vos réglages n’ont pas pu être lus. Le fichier de réglages tel qu’il était est conservé sous %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Votre fichier de réglages n’a pas pu être lu ; Kelvaro a donc démarré avec les réglages par défaut. Le fichier est conservé sous %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Votre fichier de réglages %1 n’a pas pu être lu ; Kelvaro a donc démarré avec les réglages par défaut.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Vos réglages ne peuvent pas être enregistrés dans %1 (%2). Les modifications sont conservées jusqu’à ce que Kelvaro quitte.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Choisir une icône</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Ajouter un compte</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Mail pro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>E-mail / Compte</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Après l’enregistrement, ajoutez les mots de passe de ce compte depuis la liste.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Ajouter un autre mot de passe</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Chaque mot de passe est enregistré sous ce compte. Plusieurs mots de passe ouvrent un arc sur l’anneau.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Apparaît dans l’arc lorsque ce compte a plusieurs mots de passe.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Ajouter un mot de passe</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Ajouter des mots de passe</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Ajouter %n mot de passe</numerusform>
            <numerusform>Ajouter %n mots de passe</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Masquer le mot de passe</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Afficher le mot de passe</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Retirer ce mot de passe</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Indice (facultatif)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>se termine par 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Le trousseau de clés de votre bureau n’a pas enregistré le mot de passe «&#xa0;%1&#xa0;», il n’a donc pas été sauvegardé. Déverrouillez le trousseau de clés et réessayez.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Comptes et mots de passe</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Stockés dans le trousseau de clés de votre bureau (Secret Service), lisibles uniquement lorsque votre session est déverrouillée. En choisir un remplit le champ de texte actif si la saisie est possible, sinon le copie dans le presse-papiers (effacé après 45&#xa0;secondes). Un compte ayant plusieurs mots de passe les affiche en arc à côté de son secteur.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 mot de passe</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n mot de passe</numerusform>
            <numerusform>%n mots de passe</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Aucun compte pour l’instant</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Modifier ce compte</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Supprimer ce compte</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Ajoutez un compte, puis ajoutez-y des mots de passe.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Aucun mot de passe pour ce compte pour l’instant.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Ajoutez les mots de passe associés à cette adresse e-mail.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Modifier ce mot de passe</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Supprimer le compte «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Son %n mot de passe sera supprimé du trousseau de clés de votre bureau.</numerusform>
            <numerusform>Ses %n mots de passe seront supprimés du trousseau de clés de votre bureau.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Aucun raccourci attribué — ce lanceur ne peut pas être ouvert depuis le clavier.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Ouvre les onglets que vous avez capturés dans vos navigateurs.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Rechercher une icône</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Nom de l’icône</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Importer un PNG…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Utilisez votre propre image, jusqu’à 1&#xa0;Mo</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Choisir l’icône</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Aucun résultat pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Impossible d’ajouter l’icône</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Les touches sont envoyées à l’app au premier plan, comme si vous appuyiez dessus vous-même.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Le texte est copié dans le presse-papiers, prêt à être collé.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Le lien s’ouvre dans votre navigateur par défaut.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Modifier le raccourci</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Nouveau raccourci</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>pour %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Touches à envoyer</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Ajouter un raccourci</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Donnez un nom au raccourci.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Enregistrez les touches à envoyer.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Saisissez le texte à copier.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Saisissez un lien à ouvrir.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>Ce lien ne semble pas valide.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Raccourcis suggérés pour %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Choisissez ceux que vous voulez sur l’anneau. Vous pourrez les modifier plus tard.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Ajouter 1 raccourci</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Ajouter des raccourcis</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Ajouter %n raccourci</numerusform>
            <numerusform>Ajouter %n raccourcis</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>%n raccourci trouvé dans les menus.</numerusform>
            <numerusform>%n raccourcis trouvés dans les menus.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Ouvrez d’abord l’app, puis relancez l’importation.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>La lecture des menus nécessite le bus d’accessibilité du bureau, qui est désactivé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Impossible de lire les menus de cette app.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Suggestions</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Depuis les menus</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Lecture des menus…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Ouvrir l’app et importer les menus</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Importer depuis les menus</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Choisissez un fichier PNG. Les dossiers, liens et périphériques ne peuvent pas être utilisés.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Choisissez un PNG de moins de 1&#xa0;Mo.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Choisissez un PNG de 1024 × 1024 pixels au maximum.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Ce fichier n’a pas pu être lu comme PNG.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>L’icône n’a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Le fichier de session Firefox %1 est trop volumineux pour être lu.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Impossible de lire le fichier de session Firefox %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro ne peut pas lire les onglets ouverts de %1. Vérifiez que votre utilisateur peut lire son dossier de profil dans ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>%n onglet capturé.</numerusform>
            <numerusform>%n onglets capturés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>%n onglet capturé depuis %1.</numerusform>
            <numerusform>%n onglets capturés depuis %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 depuis %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>%n onglet capturé — %1.</numerusform>
            <numerusform>%n onglets capturés — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>1 capture précédente conservée.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>%n capture précédente conservée.</numerusform>
            <numerusform>%n captures précédentes conservées.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 onglet</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n onglet</numerusform>
            <numerusform>%n onglets</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Navigateurs et onglets</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Lit tous les onglets ouverts dans Chrome, Brave, Edge, Vivaldi, Opera, Chromium et Firefox à partir des fichiers de session de leurs dossiers de profil, et les conserve ici pour que vous puissiez les rouvrir après la fermeture du navigateur. Chaque capture est conservée comme une session distincte&#xa0;; l’anneau affiche celle choisie, dix onglets à la fois.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Aucune capture pour l’instant</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Capture en cours…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Capturer les onglets</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Renommer cette capture</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Supprimer cette capture</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Aucun onglet capturé pour l’instant.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Ouvrez un navigateur et capturez ce qui y est ouvert.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Aucun onglet ouvert à capturer.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Renommer la capture</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Captures</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Ajouter une app</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 app</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n apps</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Aucune app ajoutée pour l’instant.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Choisissez les apps que ce lanceur doit afficher dans l’anneau.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Lanceurs et apps</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Nouveau lanceur</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Renommer le lanceur</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Ouvre ce lanceur.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Aucun lanceur pour l’instant</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Ajouter un lanceur</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Renommer ce lanceur</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Supprimer ce lanceur</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Lanceurs</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Suggérer</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Apps et raccourcis</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 raccourci</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n raccourci</numerusform>
            <numerusform>%n raccourcis</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Sélectionner une app</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Choisissez une application pour laquelle ajouter des raccourcis</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Aucune app ajoutée pour l’instant</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Retirer cette app</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Ajouter les raccourcis suggérés pour cette app</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Ajoutez des raccourcis clavier, des extraits de texte ou des liens pour %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro est lancé</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>Les deux anneaux</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Maintenez son raccourci, visez une app avec le pointeur, puis relâchez. L’anneau s’ouvre autour de votre pointeur ou au milieu de l’écran — à vous de choisir, dans Réglages › Général.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Ouvre les raccourcis que vous avez enregistrés pour l’app au premier plan, quelle qu’elle soit, afin de piloter cette app avec ses propres raccourcis clavier sans avoir à les retenir.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Choisir entre plusieurs fenêtres</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>L’arc des fenêtres</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Lorsque l’app en surbrillance a plusieurs fenêtres, un quart d’arc apparaît à côté d’elle pour les lister. Continuez vers l’extérieur jusqu’à l’arc pour choisir une fenêtre plutôt que l’app seule.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>L’arc n’apparaît jamais</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Il n’apparaît que pour une app ayant plusieurs fenêtres&#xa0;: une app avec une seule fenêtre n’offre aucun choix, l’arc reste donc masqué.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Modifier une combinaison de touches</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Ouvrez Réglages › Sélecteur ou Raccourcis, cliquez sur le champ d’enregistrement et appuyez sur la combinaison voulue. Ajoutez Ctrl, Alt ou Super pour qu’elle ne se déclenche pas pendant la saisie.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Maintien ou bascule</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Par défaut, l’anneau reste ouvert tant que vous maintenez les modificateurs du raccourci et valide le choix quand vous relâchez. Dans Réglages › Général, vous pouvez le laisser ouvert jusqu’à ce que vous appuyiez à nouveau ou cliquiez.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Si rien ne se passe</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Accès au bureau</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Les raccourcis globaux nécessitent une session X11, et la lecture des menus ou la saisie des mots de passe nécessite le bus d’accessibilité. Les Réglages affichent un bandeau dès qu’un élément manque, avec un bouton qui active le bus d’accessibilité.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Trouver l’app</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro n’a volontairement pas de fenêtre à lui. Il se trouve dans la zone de notification&#xa0;; fermer une fenêtre ne met pas fin à son exécution.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Relancer Kelvaro alors qu’il est déjà ouvert affiche ses réglages, ou le guide de démarrage tant qu’il n’est pas terminé.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>C’est la cause de la plupart des signalements «&#xa0;rien ne se passe&#xa0;».</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Toutes vos apps ouvertes, dans un anneau autour de votre pointeur.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contacter l’assistance</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Page d’assistance</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Conditions d’utilisation</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Vos apps, raccourcis et mots de passe restent sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Afficher ce message au lancement</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Réglages…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Appuyez sur %1 pour ouvrir l’anneau</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Aucun raccourci n’est encore attribué. Ouvrez les Réglages pour en choisir un.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>Session X11</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Raccourcis globaux</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Bus d’accessibilité</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Commencer à utiliser Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Choisissez votre langue</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro parle 17&#xa0;langues. Choisissez-en une, ou laissez-le suivre votre système.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Toutes vos apps ouvertes, dans un anneau autour de votre pointeur. Une seule frappe suffit.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Ne détecte que le raccourci que vous choisissez</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Change d’app et envoie les raccourcis que vous avez configurés</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Ne lit jamais ce que vous tapez</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>N’envoie rien de ce qu’il voit ici — tout reste sur cet ordinateur</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Session X11 requise</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Activer le bus d’accessibilité</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Tout est prêt</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Laissez Kelvaro détecter votre raccourci</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Les raccourcis globaux fonctionnent et le bus d’accessibilité est activé. Rien d’autre à configurer.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux a besoin de deux choses pour cela&#xa0;: une session X11 pour les raccourcis globaux, et le bus d’accessibilité pour lire les menus et saisir les mots de passe.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Aucun raccourci défini</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Enregistrer un autre raccourci</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Utiliser plutôt celui par défaut</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Maintenez-le — l’anneau s’ouvre.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Pointez l’app de votre choix.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Relâchez — Kelvaro bascule vers cette app.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Votre raccourci</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>C’est lui qui ouvre l’anneau. Gardez-le, ou enregistrez le vôtre.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Cliquez sur l’icône Kelvaro dans la zone de notification.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Réglages — ajoutez des apps, modifiez les raccourcis, changez les touches.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro se trouve dans la zone de notification</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Il n’a volontairement pas de fenêtre à lui. Fermez une fenêtre et il continue de fonctionner — tout reste à un clic, dans la zone de notification.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Votre fichier de réglages a été endommagé après sa lecture par Kelvaro. Le fichier endommagé est conservé sous %1 et vos réglages ont été enregistrés à nouveau.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>Une modification de vos réglages n’a pas été appliquée : elle aurait rendu le fichier de réglages %1 trop volumineux pour être relu.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln onglet a été ignoré : son adresse dépasse %1 caractères.</numerusform>
            <numerusform>%Ln onglets ont été ignorés : leurs adresses dépassent %1 caractères.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln onglet a été ignoré : une capture conserve au plus %1 onglets.</numerusform>
            <numerusform>%Ln onglets ont été ignorés : une capture conserve au plus %1 onglets.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln onglet a été ignoré : la capture aurait été trop volumineuse pour être conservée.</numerusform>
            <numerusform>%Ln onglets ont été ignorés : la capture aurait été trop volumineuse pour être conservée.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>La capture n’a pas été conservée : votre fichier de réglages serait devenu trop volumineux.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>Ce mot de passe n’a pas été accepté. Réessayez.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Votre mot de passe de session n’a pas été accepté. Aucun mot de passe enregistré n’a été transmis.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Saisissez votre mot de passe de session pour utiliser les mots de passe enregistrés.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>La fenêtre choisie a été fermée ou n’est plus au premier plan. Votre mot de passe reste dans le presse-papiers pendant %n seconde.</numerusform>
            <numerusform>La fenêtre choisie a été fermée ou n’est plus au premier plan. Votre mot de passe reste dans le presse-papiers pendant %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Le mot de passe n’est pas arrivé dans le champ. Il reste dans le presse-papiers pendant %n seconde : collez-le vous-même.</numerusform>
            <numerusform>Le mot de passe n’est pas arrivé dans le champ. Il reste dans le presse-papiers pendant %n secondes : collez-le vous-même.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 n’a pas accepté le mot de passe. Il reste dans le presse-papiers pendant %n seconde : collez-le vous-même dans le champ.</numerusform>
            <numerusform>%1 n’a pas accepté le mot de passe. Il reste dans le presse-papiers pendant %n secondes : collez-le vous-même dans le champ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Aucun champ de texte n’avait le focus. Votre mot de passe reste dans le presse-papiers pendant %n seconde : collez-le.</numerusform>
            <numerusform>Aucun champ de texte n’avait le focus. Votre mot de passe reste dans le presse-papiers pendant %n secondes : collez-le.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Votre propre icône : un PNG de 1 Mo et 1024 × 1024 pixels au plus.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Un nom est nécessaire.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Utilisation : %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro a besoin d’une session X11 : cette session Wayland n’a pas XWayland (DISPLAY n’est pas défini).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro a besoin d’une session X11 : DISPLAY n’est pas défini.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro a besoin d’une session X11 : impossible d’ouvrir l’affichage %1.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Cette version compilée de Kelvaro ne peut pas envoyer de données d’utilisation.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Déjà utilisé par %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Vider la corbeille</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Activer ou désactiver l’enregistrement</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Impossible de lire le journal de session %1 : %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro ne peut pas lire les onglets ouverts de %1 : votre utilisateur n’a pas le droit de lire %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 est ouvert, mais sa session n’a pas pu être lue : %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 est ouvert, mais Kelvaro n’a trouvé aucun fichier de session dans ses dossiers de profil.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 est ouvert, mais sa session ne contient aucune page web ouverte.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Vos captures enregistrées n’ont pas été modifiées : certaines n’ont pas pu être lues, et votre fichier de réglages n’a pas la place d’en garder une copie. Elles restent telles quelles.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>La capture n’a pas été conservée : les captures enregistrées occupent toute la place disponible. Supprimez les captures dont vous n’avez plus besoin, puis capturez à nouveau.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Vos lanceurs ne peuvent pas être modifiés : certains n’ont pas pu être lus, et votre fichier de réglages n’a pas la place d’en garder une copie. Ils restent tels quels.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1 : option inconnue : %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Cette version de Kelvaro n’a pas de flux de mises à jour.</translation>
    </message>
</context>
</TS>
