<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Kelvaro</name>
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
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Abre las pestañas que capturaste de Chrome.</translation>
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
        <translation>Añade ⌘, ⌥ o ⌃ para que este atajo no interrumpa la escritura.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Ya lo usa %1. Elige otra combinación.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>El escritorio ya usa esto para %1. Puede que no llegue a Kelvaro.</translation>
    </message>
</context>
</TS>
