<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>პროგრამის განახლება</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>ხელმისაწვდომია ახალი ვერსია</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 მზადაა. თქვენ გაქვთ %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>განახლებების შემოწმება ვერ მოხერხდა</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>განახლებების შემოწმება…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>თქვენ უახლესი ვერსია გაქვთ</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 უახლესი ვერსიაა.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>განახლებების წყარო არ არის მითითებული.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>განახლებების სერვერთან დაკავშირება ვერ მოხერხდა.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>ამ ვერსიის გამოტოვება</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>მოგვიანებით</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ჩამოტვირთვა</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro ახლა აგზავნის გამოყენების ანონიმურ მონაცემებს</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>წინა ვერსიები არაფერს აგზავნიდნენ. ეს ვერსია აცნობებს, როდის ეშვება აპი, როდის იხსნება რგოლი და რამდენი ჩანართი იპოვა შენახვამ.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>არც ფანჯრების სათაურები, არც URL-ები, არც ფაილების გზები და არც ის, რასაც კრეფთ.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>შეგიძლიათ გამორთოთ ახლავე ან ნებისმიერ დროს: პარამეტრები › კონფიდენციალურობა.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>ჩართული დარჩეს</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>გამორთვა</translation>
    </message>
</context>
</TS>
