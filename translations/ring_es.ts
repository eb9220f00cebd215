<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Kelvaro</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Nueva ventana del Finder</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Obtener información</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Ir a Descargas</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Mostrar opciones de visualización</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Nueva pestaña</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nueva ventana</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Cerrar pestaña</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Volver a abrir la última pestaña</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Volver a cargar la página</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Mostrar Lector</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Nueva ventana privada</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Volver a abrir la pestaña cerrada</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Volver a cargar</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Herramientas para desarrolladores</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Nueva ventana de incógnito</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Nuevo mensaje</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Responder a todos</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Reenviar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Búsqueda en buzón</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nueva nota</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista de comprobación</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Adjuntar archivo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji y símbolos</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Nuevo evento</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Ir a hoy</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Vista de día</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Vista de semana</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Vista de mes</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Borrar pantalla</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Dividir panel</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Compilar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Abrir rápidamente</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Mostrar lienzo / asistente</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Apertura rápida</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Paleta de comandos</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Mostrar/ocultar terminal</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Mostrar/ocultar barra lateral</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nuevo archivo</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Cambio rápido</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Hilos</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Menciones y reacciones</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Activar/desactivar silencio</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Ensordecer/oír</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Bandeja de entrada</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Selector de emoji</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Pase de diapositivas</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Siguiente canción</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Canción anterior</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Mostrar cola</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Nuevo álbum</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorito</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Silenciar audio</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Iniciar vídeo</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Compartir pantalla</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Mostrar chat</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Mostrar participantes</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Nueva página</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Añadir comentario</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Lista de tareas</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Herramienta de marco</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Herramienta de mover</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Herramienta de texto</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Herramienta de pluma</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Agrupar selección</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nuevo documento</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Nueva hoja de cálculo</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Añadir fila encima</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Insertar gráfica</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Nueva presentación</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Reproducir pase</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nueva diapositiva</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Pantalla del presentador</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Guardado anteriormente</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>No hay ningún navegador compatible abierto.</translation>
    </message>
    <message>
        <source>Could not read %1's tabs.</source>
        <translation>No se pudieron leer las pestañas de %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro no puede leer las pestañas abiertas de %1. Comprueba que tu usuario puede leer la carpeta de perfil del navegador en ~/.config y su carpeta Sessions.</translation>
    </message>
</context>
</TS>
