<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FleetCommands</name>
    <message>
        <source>Write To &amp;Several Radios...</source>
        <translation>写入多台对讲机(&amp;S)...</translation>
    </message>
    <message>
        <source>Write the channel data into many radios, each with its own ID, and keep a record</source>
        <translation>把频道数据写入多台对讲机，每台有自己的 ID，并保留记录</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>模拟对讲机</translation>
    </message>
</context>
<context>
    <name>FleetDialog</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>关闭(&amp;L)</translation>
    </message>
    <message>
        <source>Write To Several Radios</source>
        <translation>写入多台对讲机</translation>
    </message>
    <message>
        <source>No numbering</source>
        <translation>不编号</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>本机 ID</translation>
    </message>
    <message>
        <source>Call ID</source>
        <translation>呼叫 ID</translation>
    </message>
    <message>
        <source>Box that gets a number per radio</source>
        <translation>每台对讲机得到编号的栏</translation>
    </message>
    <message>
        <source>ID of the next radio</source>
        <translation>下一台对讲机的 ID</translation>
    </message>
    <message>
        <source>IDs the next radios get</source>
        <translation>下一批对讲机得到的 ID</translation>
    </message>
    <message>
        <source>&amp;Number each radio in:</source>
        <translation>编号写入(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;First ID:</source>
        <translation>起始 ID(&amp;F)：</translation>
    </message>
    <message>
        <source>Ports with a radio to write</source>
        <translation>接有待写对讲机的端口</translation>
    </message>
    <message>
        <source>&amp;Ports (one ticked: radio after radio; several: all at once):</source>
        <translation>端口(&amp;P)（勾选一个：逐台写入；勾选多个：同时写入）：</translation>
    </message>
    <message>
        <source>Record file</source>
        <translation>记录文件</translation>
    </message>
    <message>
        <source>Choose the record file</source>
        <translation>选择记录文件</translation>
    </message>
    <message>
        <source>&amp;Record:</source>
        <translation>记录(&amp;R)：</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Radios written</source>
        <translation>已写入的对讲机</translation>
    </message>
    <message>
        <source>State of the radios</source>
        <translation>对讲机状态</translation>
    </message>
    <message>
        <source>Start writing the radios</source>
        <translation>开始写入对讲机</translation>
    </message>
    <message>
        <source>Stop every radio</source>
        <translation>停止所有对讲机</translation>
    </message>
    <message>
        <source>Close the dialog</source>
        <translation>关闭对话框</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Tick the ports with a radio, then press Start.</source>
        <translation>勾选接有对讲机的端口，然后按“开始”。</translation>
    </message>
    <message>
        <source>Every radio gets the file as it is.</source>
        <translation>每台对讲机得到原样的文件。</translation>
    </message>
    <message>
        <source>The next radio gets ID %1.</source>
        <translation>下一台对讲机的 ID：%1。</translation>
    </message>
    <message>
        <source>The next %1 radios get IDs %2 to %3.</source>
        <translation>下 %1 台对讲机的 ID：%2 至 %3。</translation>
    </message>
    <message>
        <source>The next radio gets ID %1 again: its radio was not verified.</source>
        <translation>下一台对讲机再次使用 ID %1：该 ID 的对讲机未通过校验。</translation>
    </message>
    <message>
        <source>The next %1 radios get IDs %2; first those of radios not verified.</source>
        <translation>下 %1 台对讲机的 ID：%2；先用未通过校验的对讲机的 ID。</translation>
    </message>
    <message>
        <source>%1 and %2 are one port: tick it once.</source>
        <translation>%1 和 %2 是同一个端口：请只勾选一次。</translation>
    </message>
    <message>
        <source>Tick the port of at least one radio.</source>
        <translation>请至少勾选一台对讲机的端口。</translation>
    </message>
    <message>
        <source>writing...</source>
        <translation>正在写入...</translation>
    </message>
    <message>
        <source>Progress of the radio on %1</source>
        <translation>%1 上对讲机的进度</translation>
    </message>
    <message>
        <source>Writing radio %1...</source>
        <translation>正在写入第 %1 台对讲机...</translation>
    </message>
    <message>
        <source>Writing %1 radios at once...</source>
        <translation>正在同时写入 %1 台对讲机...</translation>
    </message>
    <message>
        <source>Radio %1 done: verified. Connect the next radio and press Start.</source>
        <translation>第 %1 台对讲机完成：已校验。请连接下一台对讲机并按“开始”。</translation>
    </message>
    <message>
        <source>Radio %1 done: ID %2, verified. Connect the next radio and press Start.</source>
        <translation>第 %1 台对讲机完成：ID %2，已校验。请连接下一台对讲机并按“开始”。</translation>
    </message>
    <message>
        <source>Radio %1 failed: %2. Press Start to write it again%3.</source>
        <translation>第 %1 台对讲机失败：%2。按“开始”重新写入%3。</translation>
    </message>
    <message>
        <source> with ID %1</source>
        <translation>（ID %1）</translation>
    </message>
    <message>
        <source>Stopped. Radios stopped in the middle must be written again.</source>
        <translation>已停止。中途停止的对讲机须重新写入。</translation>
    </message>
    <message>
        <source>%1 of %2 radios verified. Connect the next radios and press Start.</source>
        <translation>%2 台对讲机中 %1 台已校验。请连接下一批对讲机并按“开始”。</translation>
    </message>
    <message>
        <source>Stopping every radio...</source>
        <translation>正在停止所有对讲机...</translation>
    </message>
</context>
</TS>
