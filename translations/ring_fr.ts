<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Kelvaro</name>
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
        <source>Could not read %1's tabs.</source>
        <translation>Impossible de lire les onglets de %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro ne peut pas lire les onglets ouverts de %1. Vérifiez que votre utilisateur peut lire le dossier de profil du navigateur dans ~/.config et son dossier Sessions.</translation>
    </message>
</context>
</TS>
