<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>TypeSettingBar</name>
    <message>
        <source>Type Setting</source>
        <translation>整机设置</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Manul Setting</source>
        <translation>手动设置</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Orin-6140D</source>
        <translation>Orin-6140D</translation>
    </message>
    <message>
        <source>lower edge</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>upper edge</source>
        <translation>上限</translation>
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
        <translation>频道</translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>Outside the band edges %1-%2 MHz</source>
        <translation>超出频段 %1-%2 MHz</translation>
    </message>
</context>
</TS>
