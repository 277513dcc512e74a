<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Rows into channels: %1; rows not imported: %2.</source>
        <translation>导入频道的行：%1；不导入的行：%2。</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入频道</translation>
    </message>
    <message>
        <source>Rows of %1 and the channels they go to:</source>
        <translation>%1 中的各行及其目标频道：</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Rows of the file</source>
        <translation>文件中的行</translation>
    </message>
    <message>
        <source>Fill channels in file order from channel:</source>
        <translation>按文件顺序从此频道开始填入：</translation>
    </message>
    <message>
        <source>Fill channels in file order</source>
        <translation>按文件顺序填入频道</translation>
    </message>
    <message>
        <source>Start channel</source>
        <translation>起始频道</translation>
    </message>
    <message>
        <source>Put each row into the channel of its Location</source>
        <translation>按每行 Location 列的编号放入相应频道</translation>
    </message>
    <message>
        <source>By location</source>
        <translation>按位置</translation>
    </message>
    <message>
        <source>Empty the other channels</source>
        <translation>清空其他频道</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Frequencies are checked against the band edges %1-%2 MHz (Type Setting, Field).</source>
        <translation>频率按频段 %1-%2 MHz（整机设置中的“频段”）检查。</translation>
    </message>
    <message>
        <source>Rows outside them: %1. To import them, change Field in the Type Setting bar above the channels first, then import again.</source>
        <translation>超出频段的行：%1。要导入这些行，请先修改频道上方整机设置中的“频段”，然后重新导入。</translation>
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
        <translation>频道列表 (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>导入频道(&amp;I)...</translation>
    </message>
    <message>
        <source>Import a channel list: CHIRP CSV or Orin CSV</source>
        <translation>导入频道列表：CHIRP CSV 或 Orin CSV</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>导出频道(&amp;E)...</translation>
    </message>
    <message>
        <source>Export the channels as CHIRP CSV or Orin CSV</source>
        <translation>将频道导出为 CHIRP CSV 或 Orin CSV</translation>
    </message>
</context>
</TS>
