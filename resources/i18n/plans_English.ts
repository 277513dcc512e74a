<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PlanCommands</name>
    <message>
        <source>Insert C&amp;hannel Plan...</source>
        <translation>Insert C&amp;hannel Plan...</translation>
    </message>
    <message>
        <source>Put a licence-free channel plan into the next empty channels</source>
        <translation>Put a licence-free channel plan into the next empty channels</translation>
    </message>
    <message>
        <source>Check Channels Against &amp;Licence...</source>
        <translation>Check Channels Against &amp;Licence...</translation>
    </message>
    <message>
        <source>List the channels that would transmit outside your licence</source>
        <translation>List the channels that would transmit outside your licence</translation>
    </message>
    <message>
        <source>Insert Channel Plan</source>
        <translation>Insert Channel Plan</translation>
    </message>
    <message>
        <source>Channel plan:</source>
        <translation>Channel plan:</translation>
    </message>
    <message>
        <source>Channel plans</source>
        <translation>Channel plans</translation>
    </message>
</context>
<context>
    <name>LicenceDialog</name>
    <message>
        <source>Make these receive only</source>
        <translation>Make these receive only</translation>
    </message>
    <message>
        <source>Set these to narrow</source>
        <translation>Set these to narrow</translation>
    </message>
    <message>
        <source>Check Channels Against Licence</source>
        <translation>Check Channels Against Licence</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Channels outside the licence</source>
        <translation>Channels outside the licence</translation>
    </message>
    <message>
        <source>Limits of the check</source>
        <translation>Limits of the check</translation>
    </message>
    <message>
        <source>Result of the check</source>
        <translation>Result of the check</translation>
    </message>
    <message>
        <source>The check is a help, not legal advice: the radio&apos;s watts, antenna and approval are not in its memory.</source>
        <translation>The check is a help, not legal advice: the radio&apos;s watts, antenna and approval are not in its memory.</translation>
    </message>
    <message>
        <source>&amp;Notes (the buttons change nothing here):</source>
        <translation>&amp;Notes (the buttons change nothing here):</translation>
    </message>
    <message>
        <source>Notes, not repaired</source>
        <translation>Notes, not repaired</translation>
    </message>
    <message>
        <source>&amp;Licence:</source>
        <translation>&amp;Licence:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>No licence chosen: nothing is checked, and a write is not asked about.</source>
        <translation>No licence chosen: nothing is checked, and a write is not asked about.</translation>
    </message>
    <message>
        <source>CH %1: %2</source>
        <translation>CH %1: %2</translation>
    </message>
</context>
</TS>
