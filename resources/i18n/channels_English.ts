<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>&amp;Insert Empty Channel</source>
        <translation>&amp;Insert Empty Channel</translation>
    </message>
    <message>
        <source>&amp;Delete Channel</source>
        <translation>&amp;Delete Channel</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>&amp;Move Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Move Do&amp;wn</translation>
    </message>
    <message>
        <source>&amp;Sort By Rx Frequency</source>
        <translation>&amp;Sort By Rx Frequency</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard and empty them</source>
        <translation>Copy the selected channels to the clipboard and empty them</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard</source>
        <translation>Copy the selected channels to the clipboard</translation>
    </message>
    <message>
        <source>Paste channels from the clipboard over the channels from the first selected one on</source>
        <translation>Paste channels from the clipboard over the channels from the first selected one on</translation>
    </message>
    <message>
        <source>Empty the selected channels</source>
        <translation>Empty the selected channels</translation>
    </message>
    <message>
        <source>Insert an empty channel before the first selected one</source>
        <translation>Insert an empty channel before the first selected one</translation>
    </message>
    <message>
        <source>Remove the selected channels; those below move up</source>
        <translation>Remove the selected channels; those below move up</translation>
    </message>
    <message>
        <source>Move the selected channels up by one</source>
        <translation>Move the selected channels up by one</translation>
    </message>
    <message>
        <source>Move the selected channels down by one</source>
        <translation>Move the selected channels down by one</translation>
    </message>
    <message>
        <source>Sort the selected channels, or all, by Rx frequency</source>
        <translation>Sort the selected channels, or all, by Rx frequency</translation>
    </message>
    <message>
        <source>Tx = Rx</source>
        <translation>Tx = Rx</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DCS N</source>
        <translation>DCS N</translation>
    </message>
    <message>
        <source>DCS I</source>
        <translation>DCS I</translation>
    </message>
    <message>
        <source>Channel commands</source>
        <translation>Channel commands</translation>
    </message>
    <message>
        <source>Set %1 for Selected Channels</source>
        <translation>Set %1 for Selected Channels</translation>
    </message>
</context>
</TS>
