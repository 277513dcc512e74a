<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>TypeSettingBar</name>
    <message>
        <source>Type Setting</source>
        <translation>Type Setting</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Manul Setting</source>
        <translation>Manul Setting</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Orin-6140D</source>
        <translation>Orin-6140D</translation>
    </message>
    <message>
        <source>lower edge</source>
        <translation>lower edge</translation>
    </message>
    <message>
        <source>upper edge</source>
        <translation>upper edge</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
</context>
<context>
    <name>ChannelTable</name>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>Outside the band edges %1-%2 MHz</source>
        <translation>Outside the band edges %1-%2 MHz</translation>
    </message>
</context>
</TS>
