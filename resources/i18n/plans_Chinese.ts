<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PlanCommands</name>
    <message>
        <source>Insert C&amp;hannel Plan...</source>
        <translation>插入频道方案(&amp;H)...</translation>
    </message>
    <message>
        <source>Put a licence-free channel plan into the next empty channels</source>
        <translation>将免执照频道方案放入后面的空频道</translation>
    </message>
    <message>
        <source>Check Channels Against &amp;Licence...</source>
        <translation>按执照检查频道(&amp;L)...</translation>
    </message>
    <message>
        <source>List the channels that would transmit outside your licence</source>
        <translation>列出会在执照之外发射的频道</translation>
    </message>
    <message>
        <source>Insert Channel Plan</source>
        <translation>插入频道方案</translation>
    </message>
    <message>
        <source>Channel plan:</source>
        <translation>频道方案：</translation>
    </message>
    <message>
        <source>Channel plans</source>
        <translation>频道方案</translation>
    </message>
</context>
<context>
    <name>LicenceDialog</name>
    <message>
        <source>Make these receive only</source>
        <translation>将这些设为只收</translation>
    </message>
    <message>
        <source>Set these to narrow</source>
        <translation>将这些设为窄带</translation>
    </message>
    <message>
        <source>Check Channels Against Licence</source>
        <translation>按执照检查频道</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>执照</translation>
    </message>
    <message>
        <source>Channels outside the licence</source>
        <translation>执照之外的频道</translation>
    </message>
    <message>
        <source>Limits of the check</source>
        <translation>检查的限度</translation>
    </message>
    <message>
        <source>Result of the check</source>
        <translation>检查结果</translation>
    </message>
    <message>
        <source>The check is a help, not legal advice: the radio&apos;s watts, antenna and approval are not in its memory.</source>
        <translation>此检查仅供参考，不是法律意见：对讲机的功率、天线和型号核准不在其存储器中。</translation>
    </message>
    <message>
        <source>&amp;Notes (the buttons change nothing here):</source>
        <translation>提示(&amp;N)（按钮不会改动这些）：</translation>
    </message>
    <message>
        <source>Notes, not repaired</source>
        <translation>提示（不作修改）</translation>
    </message>
    <message>
        <source>&amp;Licence:</source>
        <translation>执照(&amp;L)：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No licence chosen: nothing is checked, and a write is not asked about.</source>
        <translation>未选择执照：不作检查，写入前也不询问。</translation>
    </message>
    <message>
        <source>CH %1: %2</source>
        <translation>频道 %1：%2</translation>
    </message>
</context>
</TS>
