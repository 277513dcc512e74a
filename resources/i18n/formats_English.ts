<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Rows into channels: %1; rows not imported: %2.</source>
        <translation>Rows into channels: %1; rows not imported: %2.</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Import Channels</translation>
    </message>
    <message>
        <source>Rows of %1 and the channels they go to:</source>
        <translation>Rows of %1 and the channels they go to:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Rows of the file</source>
        <translation>Rows of the file</translation>
    </message>
    <message>
        <source>Fill channels in file order from channel:</source>
        <translation>Fill channels in file order from channel:</translation>
    </message>
    <message>
        <source>Fill channels in file order</source>
        <translation>Fill channels in file order</translation>
    </message>
    <message>
        <source>Start channel</source>
        <translation>Start channel</translation>
    </message>
    <message>
        <source>Put each row into the channel of its Location</source>
        <translation>Put each row into the channel of its Location</translation>
    </message>
    <message>
        <source>By location</source>
        <translation>By location</translation>
    </message>
    <message>
        <source>Empty the other channels</source>
        <translation>Empty the other channels</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>Frequencies are checked against the band edges %1-%2 MHz (Type Setting, Field).</source>
        <translation>Frequencies are checked against the band edges %1-%2 MHz (Type Setting, Field).</translation>
    </message>
    <message>
        <source>Rows outside them: %1. To import them, change Field in the Type Setting bar above the channels first, then import again.</source>
        <translation>Rows outside them: %1. To import them, change Field in the Type Setting bar above the channels first, then import again.</translation>
    </message>
</context>
<context>
    <name>ChannelListCommands</name>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
    </message>
    <message>
        <source>Orin CSV (*.csv)</source>
        <translation>Orin CSV (*.csv)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Channel lists (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>&amp;Import Channels...</translation>
    </message>
    <message>
        <source>Import a channel list: CHIRP CSV or Orin CSV</source>
        <translation>Import a channel list: CHIRP CSV or Orin CSV</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>&amp;Export Channels...</translation>
    </message>
    <message>
        <source>Export the channels as CHIRP CSV or Orin CSV</source>
        <translation>Export the channels as CHIRP CSV or Orin CSV</translation>
    </message>
</context>
</TS>
