<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Insert Empty Channel</source>
        <translation>插入空频道(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Delete Channel</source>
        <translation>删除频道(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>上移(&amp;M)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Sort By Rx Frequency</source>
        <translation>按接收频率排序(&amp;S)</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard and empty them</source>
        <translation>把所选频道复制到剪贴板并清空它们</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard</source>
        <translation>把所选频道复制到剪贴板</translation>
    </message>
    <message>
        <source>Paste channels from the clipboard over the channels from the first selected one on</source>
        <translation>从第一个所选频道起用剪贴板中的频道覆盖</translation>
    </message>
    <message>
        <source>Empty the selected channels</source>
        <translation>清空所选频道</translation>
    </message>
    <message>
        <source>Insert an empty channel before the first selected one</source>
        <translation>在第一个所选频道前插入一个空频道</translation>
    </message>
    <message>
        <source>Remove the selected channels; those below move up</source>
        <translation>删除所选频道，后面的频道上移</translation>
    </message>
    <message>
        <source>Move the selected channels up by one</source>
        <translation>把所选频道上移一位</translation>
    </message>
    <message>
        <source>Move the selected channels down by one</source>
        <translation>把所选频道下移一位</translation>
    </message>
    <message>
        <source>Sort the selected channels, or all, by Rx frequency</source>
        <translation>按接收频率对所选频道（或全部频道）排序</translation>
    </message>
    <message>
        <source>Tx = Rx</source>
        <translation>发射 = 接收</translation>
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
        <translation>频道命令</translation>
    </message>
    <message>
        <source>Set %1 for Selected Channels</source>
        <translation>为所选频道设置%1</translation>
    </message>
</context>
</TS>
