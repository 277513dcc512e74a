<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CompareDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>What is compared</source>
        <translation>比较的内容</translation>
    </message>
    <message>
        <source>Number of differences</source>
        <translation>差异数目</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>whole channel</source>
        <translation>整个频道</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n 个字节</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the differences as text</source>
        <translation>将差异复制为文本</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CompareCommands</name>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>与文件比较(&amp;F)...</translation>
    </message>
    <message>
        <source>Show what differs between the channel data and a channel file</source>
        <translation>显示频道数据与频道文件的不同之处</translation>
    </message>
    <message>
        <source>&amp;Compare With Radio...</source>
        <translation>与对讲机比较(&amp;C)...</translation>
    </message>
    <message>
        <source>Read the radio and show what differs from the channel data, which stays as it is</source>
        <translation>读取对讲机并显示与频道数据的不同之处，频道数据保持不变</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>写入后校验(&amp;V)</translation>
    </message>
    <message>
        <source>After every write, read the radio back and compare</source>
        <translation>每次写入后回读对讲机并比较</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>The channel data as it stands, against %1.</source>
        <translation>当前的频道数据，与 %1 比较。</translation>
    </message>
    <message>
        <source>Channel data</source>
        <translation>频道数据</translation>
    </message>
    <message>
        <source>Compare With Radio</source>
        <translation>与对讲机比较</translation>
    </message>
    <message>
        <source>The channel data as it stands, against what the radio holds.</source>
        <translation>当前的频道数据，与对讲机中的数据比较。</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>The radio was read back after the write: it does not hold what was written.</source>
        <translation>写入后回读对讲机：其中的数据与写入的不一致。</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>写入的数据</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Reading the Radio to Compare</source>
        <translation>读取对讲机以作比较</translation>
    </message>
    <message>
        <source>Step 1 of 2: writing</source>
        <translation>第 1 步，共 2 步：写入</translation>
    </message>
    <message>
        <source>Step 2 of 2: reading the radio back to verify</source>
        <translation>第 2 步，共 2 步：回读对讲机以校验</translation>
    </message>
</context>
</TS>
