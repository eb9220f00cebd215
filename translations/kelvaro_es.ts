<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Mostrar selector de apps</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Mostrar lanzador de atajos</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Mostrar mensaje al abrir</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Ayuda de Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Salir de Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Ajustes de Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Te damos la bienvenida a Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Ventana %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flecha izquierda</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flecha arriba</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flecha abajo</translation>
    </message>
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
        <source>Could not read %1&apos;s tabs.</source>
        <translation>No se pudieron leer las pestañas de %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro no puede leer las pestañas abiertas de %1. Comprueba que tu usuario puede leer la carpeta de perfil del navegador en ~/.config y su carpeta Sessions.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Contraseñas</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Añadir app al lanzador</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Elige una app para añadirla al anillo.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Hay una nueva versión disponible</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 está listo. Tienes la %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>No se pudo buscar actualizaciones</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Estás al día</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 es la versión más reciente.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>No hay ninguna fuente de actualizaciones configurada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>No se pudo contactar con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Omitir esta versión</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro ahora envía datos de uso anónimos</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Las versiones anteriores no enviaban nada. Esta informa de cuándo se abre la app, cuándo se abre un anillo y cuántas pestañas encontró una captura.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Ni títulos de ventanas, ni URL, ni rutas de archivos, ni nada de lo que escribes.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Mantener activado</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>Selector de apps</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Lanzador de atajos</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Contraseñas guardadas</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Pestañas guardadas</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Abre el anillo de apps en ejecución.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Abre los atajos que guardaste para la app en primer plano.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Abre el anillo de tus contraseñas guardadas.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Mantener modificadores</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Mantén pulsadas las teclas modificadoras para apuntar con el ratón y suéltalas para elegir.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Alternar</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>El anillo sigue abierto al soltar. Pulsa de nuevo el atajo o haz clic para elegir.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>En el puntero</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>El anillo se abre alrededor del puntero, así siempre está a tu alcance.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Centro de la pantalla</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>El anillo siempre se abre en el centro de la pantalla.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>No hay atajo asignado: %1 no se puede abrir desde el teclado.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Añade Ctrl, Alt o Super para que este atajo no interrumpa la escritura.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Ya lo usa %1. Elige otra combinación.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Las flechas eligen, Intro cambia, Escape cierra.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>No hay apps</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 de %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, ventana %2 de %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Las flechas eligen, Intro ejecuta el atajo, Escape cierra.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Sin atajos</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Contraseña %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
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
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro (teclado numérico)</translation>
    </message>
    <message>
        <source>Kelvaro Ring</source>
        <translation>Anillo de Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Selector de apps de Kelvaro</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Tu escritorio ya usa esto para %1. Puede que no llegue a Kelvaro.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>cambiar de ventana</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>cambiar de ventana en sentido inverso</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>cerrar la ventana</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>ejecutar un comando</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>bloquear la pantalla</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>mostrar el escritorio</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>abrir una terminal</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>cerrar la sesión</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>cambiar a una consola de texto</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Puedes desactivarlo ahora o en cualquier momento en Ajustes › General › Privacidad.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Los atajos globales necesitan una sesión X11. Elige una sesión X11 (Xorg) en la pantalla de inicio de sesión y vuelve a abrir Kelvaro.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Atajos globales no disponibles</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Acceso al teclado denegado</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Se necesita acceso de accesibilidad</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>Esta no es una sesión X11, así que Kelvaro no puede vigilar los atajos globales ni traer ventanas al frente.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>El servidor X no permitió a Kelvaro vigilar el teclado, así que los atajos no pueden abrir los anillos.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>El bus de accesibilidad está desactivado. Kelvaro lo necesita para leer ventanas, menús y campos de texto.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>¿Por qué?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Pausada</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Ágil</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Abre Kelvaro automáticamente al iniciar sesión.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Enviar datos de uso anónimos</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Aperturas de la app, anillos abiertos y cuántas pestañas encontró una captura. Nunca títulos de ventanas, URL, rutas de archivos ni nada de lo que escribes.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Comportamiento</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Activación</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Abrir el anillo</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Seguir al puntero entre pantallas</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Si no, el anillo siempre se abre en la pantalla principal.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Tamaño del anillo</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Velocidad de animación</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Inclinar el icono central con el puntero</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Añade un sutil efecto de paralaje al icono de la app seleccionada.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>«Reducir movimiento» está activado en los ajustes del escritorio, así que las animaciones son mínimas.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Una vez al día, en segundo plano.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 está disponible</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Incluye Ctrl, Alt o Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Atajo de teclado</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Actívalo para grabar un atajo nuevo. Pulsa Escape para cancelar o Supr para borrarlo.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Borrar atajo</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Pulsa una tecla para terminar · Esc para cancelar</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Mantén los modificadores y pulsa una tecla · Esc para cancelar</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabando</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Sin acción</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Bajar %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Mantener pulsado para dejar el anillo abierto</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Nada seleccionado: el anillo sigue abierto hasta que hagas clic o pulses Escape.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Mantén pulsado %1 mientras apuntas. Al soltar, el anillo elige lo que esté resaltado.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Pulsa el atajo</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>mayús</translation>
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
        <translation>espacio</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>intro</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retroceso</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>Usar el idioma del sistema</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>El resto de esta guía usará tu elección.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>La interfaz se actualiza al instante.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Selector</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Lanzador</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Pestañas</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Aún no hay contraseñas</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Aún no hay atajos</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Selecciona una app</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Vista previa del anillo</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>No hay atajo asignado</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Atajo: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Esta página aún no está disponible en esta versión.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro quiere desbloquear tus contraseñas guardadas</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Desbloquear contraseñas guardadas</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>No se pudieron leer algunos de tus ajustes. El archivo de ajustes tal como estaba se guarda como %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>No se pudo leer tu archivo de ajustes, así que Kelvaro se ha iniciado con los ajustes predeterminados. El archivo se guarda como %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>No se pudo leer tu archivo de ajustes %1, así que Kelvaro se ha iniciado con los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Tus ajustes no se pueden guardar en %1 (%2). Los cambios se conservan hasta que Kelvaro se cierre.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Elegir un icono</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Añadir cuenta</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Correo del trabajo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>Correo / Cuenta</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Después de guardar, añade las contraseñas de esta cuenta desde la lista.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Añadir otra contraseña</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Cada contraseña se guarda en esta cuenta. Varias contraseñas abren un arco en el anillo.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Aparece en el arco cuando esta cuenta tiene más de una contraseña.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Editar contraseña</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Añadir contraseña</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Añadir contraseñas</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Añadir %n contraseña</numerusform>
            <numerusform>Añadir %n contraseñas</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Ocultar la contraseña</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Mostrar la contraseña</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Quitar esta contraseña</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Pista (opcional)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>termina en 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>El depósito de claves del escritorio no almacenó la contraseña «%1», por lo que no se ha guardado. Desbloquea el depósito de claves e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Cuentas y contraseñas</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Se guardan en el depósito de claves del escritorio (Secret Service) y solo se pueden leer mientras tu sesión está desbloqueada. Al elegir una, se rellena el campo de texto activo si se puede escribir; si no, se copia al portapapeles (que se vacía tras 45 segundos). Una cuenta con más de una contraseña las muestra en un arco junto a su sector.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 contraseña</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n contraseña</numerusform>
            <numerusform>%n contraseñas</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Aún no hay cuentas</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Editar esta cuenta</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Eliminar esta cuenta</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Añade una cuenta y después añade contraseñas en ella.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Esta cuenta aún no tiene contraseñas.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Añade las contraseñas que pertenecen a este correo.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Editar esta contraseña</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>¿Eliminar la cuenta «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Su %n contraseña se eliminará del depósito de claves del escritorio.</numerusform>
            <numerusform>Sus %n contraseñas se eliminarán del depósito de claves del escritorio.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>No hay atajo asignado: este lanzador no se puede abrir desde el teclado.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Abre las pestañas que capturaste de tus navegadores.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Buscar icono</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Nombre del icono</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Subir PNG…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Usa tu propia imagen, de hasta 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Elegir icono</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>No hay resultados para «%1»</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>No se pudo añadir el icono</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Pulsación de teclas</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Se envía a la app en primer plano, como si pulsaras tú las teclas.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Se copia al portapapeles, listo para pegar.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Se abre en tu navegador predeterminado.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Editar atajo</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Nuevo atajo</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>para %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Pulsación de teclas que enviar</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Añadir atajo</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Ponle un nombre al atajo.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Graba la pulsación de teclas que se enviará.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Escribe el texto que se copiará.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Escribe un enlace para abrir.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>Eso no parece un enlace válido.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Atajos sugeridos para %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Elige los que quieras en el anillo. Puedes editarlos más tarde.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Añadir 1 atajo</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Añadir atajos</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Añadir %n atajo</numerusform>
            <numerusform>Añadir %n atajos</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>Se encontró %n atajo en los menús.</numerusform>
            <numerusform>Se encontraron %n atajos en los menús.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Abre primero la app y vuelve a importar.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Para leer los menús se necesita el bus de accesibilidad del escritorio, que está desactivado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>No se pudieron leer los menús de esta app.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Sugeridos</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>De los menús</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Leyendo menús…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Abrir app e importar menús</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Importar de los menús</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Elige un archivo PNG. No se pueden usar carpetas, enlaces ni dispositivos.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Elige un PNG de menos de 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Elige un PNG de 1024 × 1024 píxeles como máximo.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Ese archivo no se pudo leer como PNG.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>No se pudo guardar el icono: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>El archivo de sesión de Firefox %1 es demasiado grande para leerlo.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>No se pudo leer el archivo de sesión de Firefox %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro no puede leer las pestañas abiertas de %1. Comprueba que tu usuario puede leer su carpeta de perfil en ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>Se capturó %n pestaña.</numerusform>
            <numerusform>Se capturaron %n pestañas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>Se capturó %n pestaña de %1.</numerusform>
            <numerusform>Se capturaron %n pestañas de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>Se capturó %n pestaña — %1.</numerusform>
            <numerusform>Se capturaron %n pestañas — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>Se conserva 1 captura anterior.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>Se conserva %n captura anterior.</numerusform>
            <numerusform>Se conservan %n capturas anteriores.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 pestaña</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n pestaña</numerusform>
            <numerusform>%n pestañas</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Navegadores y pestañas</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Lee todas las pestañas abiertas en Chrome, Brave, Edge, Vivaldi, Opera, Chromium y Firefox a partir de los archivos de sesión de sus carpetas de perfil y las guarda aquí para que puedas volver a abrirlas después de cerrar el navegador. Cada captura se guarda como una sesión propia; el anillo muestra la elegida, de diez en diez pestañas.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Aún no hay capturas</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Capturando…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Capturar pestañas</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Renombrar esta captura</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Eliminar esta captura</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Aún no hay pestañas capturadas.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Abre un navegador y captura lo que tenga abierto.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>No hay pestañas abiertas que capturar.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Renombrar captura</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Capturas</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Añadir app</translation>
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
        <translation>Aún no se han añadido apps.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Elige las apps que este lanzador debe mostrar en el anillo.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Lanzadores y apps</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Nuevo lanzador</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Renombrar lanzador</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Abre este lanzador.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Aún no hay lanzadores</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Añadir lanzador</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Renombrar este lanzador</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Eliminar este lanzador</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Lanzadores</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Sugerir</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Apps y atajos</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 atajo</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n atajo</numerusform>
            <numerusform>%n atajos</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleccionar app</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Elige una aplicación para añadirle atajos</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Aún no se han añadido apps</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Quitar esta app</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Añadir atajos sugeridos para esta app</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Añade atajos de teclado, fragmentos de texto o enlaces para %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro ya está en marcha</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>Los dos anillos</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Mantén pulsado su atajo, apunta a una app con el puntero y suelta. El anillo se abre alrededor del puntero o en el centro de la pantalla: tú eliges, en Ajustes › General.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Abre los atajos que guardaste para la app que esté en primer plano, para que puedas manejarla con sus propios atajos de teclado sin tener que recordarlos.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Elegir entre ventanas</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>El arco de ventanas</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Cuando la app resaltada tiene más de una ventana, aparece junto a ella un cuarto de arco que las muestra. Sigue moviendo el puntero hacia fuera hasta el arco para elegir una ventana en lugar de solo la app.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>El arco nunca aparece</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Solo aparece en una app con más de una ventana: en una app con una sola ventana no hay nada que elegir, así que el arco permanece oculto.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Cambiar una combinación de teclas</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Abre Ajustes › Selector o Atajos, haz clic en el campo de grabación y pulsa la combinación que quieras. Añade Ctrl, Alt o Super para que no se active mientras escribes.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Mantener o alternar</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>De forma predeterminada, el anillo sigue abierto mientras mantienes pulsados los modificadores del atajo y confirma la elección al soltarlos. En Ajustes › General puedes hacer que siga abierto hasta que vuelvas a pulsar o hagas clic.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Si no pasa nada</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Acceso al escritorio</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Los atajos globales necesitan una sesión X11, y para leer menús o escribir contraseñas se necesita el bus de accesibilidad. Ajustes muestra un aviso cuando falta algo, con un botón que activa el bus de accesibilidad.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Encontrar la app</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro no tiene ventana propia a propósito. Vive en la bandeja del sistema; cerrar una ventana no hace que se cierre.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Volver a empezar</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Si vuelves a abrir Kelvaro mientras se está ejecutando, se abren sus ajustes, o la guía si aún no la has terminado.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>Es la causa de la mayoría de los casos de «no pasa nada».</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Todas las apps que tienes abiertas, en un anillo alrededor del puntero.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contactar con soporte</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Página de soporte</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Condiciones de uso</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Tus apps, atajos y contraseñas se quedan en este ordenador.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Mostrar este mensaje al abrir la app</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Pulsa %1 para abrir el anillo</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Aún no hay ningún atajo asignado. Abre Ajustes para elegir uno.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>Sesión X11</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Atajos globales</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Bus de accesibilidad</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Empezar a usar Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Elige tu idioma</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro habla 17 idiomas. Elige uno o deja que use el de tu sistema.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Todas las apps que tienes abiertas, en un anillo alrededor del puntero. A una pulsación de distancia.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Detecta solo el atajo que elijas</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Cambia de app y envía los atajos que configures</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Nunca lee lo que escribes</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>No envía nada de lo que ve aquí: todo se queda en este ordenador</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Se necesita una sesión X11</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Activar el bus de accesibilidad</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Todo listo</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Deja que Kelvaro detecte tu atajo</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Los atajos globales funcionan y el bus de accesibilidad está activado. No hay nada más que configurar.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux necesita dos cosas para esto: una sesión X11 para los atajos globales y el bus de accesibilidad para leer menús y escribir contraseñas.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>No hay ningún atajo definido</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Grabar otro atajo</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Usar el atajo predeterminado en su lugar</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Mantenlo pulsado: se abre el anillo.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Apunta a la app que quieras.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Suelta: Kelvaro cambia a ella.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Tu atajo</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>Es lo que abre el anillo. Consérvalo o graba el tuyo.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Haz clic en el icono de Kelvaro en la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Ajustes: añade apps, edita atajos y cambia teclas.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro vive en la bandeja del sistema</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>No tiene ventana propia a propósito. Cierra una ventana y seguirá en marcha: todo queda a un clic en la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Tu archivo de ajustes se dañó después de que Kelvaro lo leyera. El archivo dañado se guarda como %1 y tus ajustes se han vuelto a guardar.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>No se ha aplicado un cambio en tus ajustes: habría hecho el archivo de ajustes %1 demasiado grande para volver a leerlo.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>Se omitió %Ln pestaña: su dirección tiene más de %1 caracteres.</numerusform>
            <numerusform>Se omitieron %Ln pestañas: sus direcciones tienen más de %1 caracteres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>Se omitió %Ln pestaña: una captura guarda como máximo %1 pestañas.</numerusform>
            <numerusform>Se omitieron %Ln pestañas: una captura guarda como máximo %1 pestañas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>Se omitió %Ln pestaña: la captura habría sido demasiado grande para conservarla.</numerusform>
            <numerusform>Se omitieron %Ln pestañas: la captura habría sido demasiado grande para conservarla.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>La captura no se ha conservado: tu archivo de ajustes habría crecido demasiado.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>No se ha aceptado esa contraseña. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>No se ha aceptado tu contraseña de inicio de sesión. No se ha entregado ninguna contraseña guardada.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Introduce tu contraseña de inicio de sesión para usar las contraseñas guardadas.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>La ventana que elegiste se ha cerrado o ya no está en primer plano. Tu contraseña está en el portapapeles durante %n segundo.</numerusform>
            <numerusform>La ventana que elegiste se ha cerrado o ya no está en primer plano. Tu contraseña está en el portapapeles durante %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>La contraseña no llegó al campo. Está en el portapapeles durante %n segundo: pégala tú allí.</numerusform>
            <numerusform>La contraseña no llegó al campo. Está en el portapapeles durante %n segundos: pégala tú allí.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 no aceptó la contraseña. Está en el portapapeles durante %n segundo: pégala tú en el campo.</numerusform>
            <numerusform>%1 no aceptó la contraseña. Está en el portapapeles durante %n segundos: pégala tú en el campo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Ningún campo de texto tenía el foco. Tu contraseña está en el portapapeles durante %n segundo: pégala.</numerusform>
            <numerusform>Ningún campo de texto tenía el foco. Tu contraseña está en el portapapeles durante %n segundos: pégala.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Tu propio icono: un PNG de 1 MB y 1024 × 1024 píxeles como máximo.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Se necesita un nombre.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Uso: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro necesita una sesión X11: esta sesión de Wayland no tiene XWayland (DISPLAY no está definida).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro necesita una sesión X11: DISPLAY no está definida.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro necesita una sesión X11: no se puede abrir la pantalla %1.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Esta compilación de Kelvaro no puede enviar datos de uso.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Ya lo usa %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Vaciar papelera</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Alternar grabación</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>No se pudo leer el registro de sesión %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro no puede leer las pestañas abiertas de %1: su usuario no tiene permiso para leer %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 se está ejecutando, pero no se pudo leer su sesión: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 se está ejecutando, pero Kelvaro no encontró ningún archivo de sesión en sus carpetas de perfil.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 se está ejecutando, pero su sesión no tiene páginas web abiertas.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Tus capturas guardadas no se han cambiado: algunas no se pudieron leer y no hay espacio en tu archivo de ajustes para guardar una copia. Se quedan como están.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>La captura no se ha guardado: las capturas guardadas ocupan todo el espacio disponible. Elimina las capturas que ya no necesites y vuelve a capturar.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Tus lanzadores no se pueden cambiar: algunos no se pudieron leer y no hay espacio en tu archivo de ajustes para guardar una copia. Se quedan como están.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: opción desconocida: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Esta compilación de Kelvaro no tiene fuente de actualizaciones.</translation>
    </message>
</context>
</TS>
