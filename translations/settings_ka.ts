<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>აპების გადამრთველი</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>მალსახმობების გამშვები</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>შენახული პაროლები</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>შენახული ჩანართები</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>ხსნის გაშვებული აპების რგოლს.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>ხსნის მალსახმობებს, რომლებიც წინა პლანზე მყოფი აპისთვის შეინახეთ.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>ხსნის თქვენი შენახული პაროლების რგოლს.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>ხსნის Chrome-იდან აღებულ ჩანართებს.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>მოდიფიკატორების დაჭერა</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>დაიჭირეთ მოდიფიკატორი კლავიშები მაუსით დასამიზნებლად, შემდეგ აირჩიეთ მათი აშვებით.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>გადართვა</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>რგოლი ღია რჩება კლავიშების აშვების შემდეგ. ასარჩევად კვლავ დააჭირეთ მალსახმობს ან დააწკაპუნეთ.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>მაჩვენებელთან</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>რგოლი მაჩვენებლის გარშემო იხსნება, ამიტომ ყოველთვის ხელმისაწვდომია.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>ეკრანის ცენტრში</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>რგოლი ყოველთვის ეკრანის შუაში იხსნება.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>სისტემა</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ღია</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>მუქი</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>მალსახმობი არ არის მინიჭებული — %1 კლავიატურიდან ვერ გაიხსნება.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>დაამატეთ ⌘, ⌥ ან ⌃, რომ ამ მალსახმობმა ბეჭდვა არ შეაწყვეტინოს.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>უკვე გამოიყენება: %1. აირჩიეთ სხვა კომბინაცია.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>სამუშაო მაგიდა ამას უკვე იყენებს: %1. შესაძლოა Kelvaro-მდე ვერ მივიდეს.</translation>
    </message>
</context>
</TS>
