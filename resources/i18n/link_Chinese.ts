<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Progress：</source>
        <translation>进度：</translation>
    </message>
    <message>
        <source>Not started yet. Connect the radio, switch it on and press Start.</source>
        <translation>尚未开始。请连接对讲机、打开电源，然后按“开始”。</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>传输进度</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>传输状态</translation>
    </message>
    <message>
        <source>Block %1 of %2, %3%</source>
        <translation>第 %1 块，共 %2 块，%3%</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>，约剩 %1 秒</translation>
    </message>
    <message>
        <source>Now are detecting Communication Port,Please wait...</source>
        <translation>正在检测通信端口，请稍候...</translation>
    </message>
    <message>
        <source>Waiting the response from radio....</source>
        <translation>正在等待对讲机响应...</translation>
    </message>
    <message>
        <source>Not start...</source>
        <translation>未开始。请按“开始”重试。</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>&amp;Read From Radio</source>
        <translation>从对讲机读取(&amp;R)</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>&amp;Write To Radio</source>
        <translation>写入对讲机(&amp;W)</translation>
    </message>
    <message>
        <source>Write Data to Radio </source>
        <translation>将数据写入对讲机</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Reading Data Progress</source>
        <translation>读取数据进度</translation>
    </message>
    <message>
        <source>Writing Data Progress</source>
        <translation>写入数据进度</translation>
    </message>
    <message>
        <source>Read %1 blocks in %2 s</source>
        <translation>已读取 %1 块，用时 %2 秒</translation>
    </message>
    <message>
        <source>Wrote %1 blocks in %2 s</source>
        <translation>已写入 %1 块，用时 %2 秒</translation>
    </message>
    <message>
        <source>Wrote %1 blocks and read them back in %2 s</source>
        <translation>已写入 %1 块并读回核对，用时 %2 秒</translation>
    </message>
    <message>
        <source>Check Connection...</source>
        <translation>检查连接...</translation>
    </message>
    <message>
        <source>Tell step by step why the radio on the chosen port does not answer</source>
        <translation>逐步查明所选端口上的对讲机为什么没有应答</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>COM1(&amp;P)</source>
        <translation>COM1(&amp;P)</translation>
    </message>
    <message>
        <source>COM2(&amp;Q)</source>
        <translation>COM2(&amp;Q)</translation>
    </message>
    <message>
        <source>COM3(&amp;S)</source>
        <translation>COM3(&amp;S)</translation>
    </message>
    <message>
        <source>COM4(&amp;T)</source>
        <translation>COM4(&amp;T)</translation>
    </message>
    <message>
        <source>Choose Communication Port one </source>
        <translation>选择通讯端口一</translation>
    </message>
    <message>
        <source>Choose Communication Port two </source>
        <translation>选择通讯端口二</translation>
    </message>
    <message>
        <source>Choose Communication Port three </source>
        <translation>选择通讯端口三</translation>
    </message>
    <message>
        <source>Choose Communication Port four </source>
        <translation>选择通讯端口四</translation>
    </message>
    <message>
        <source>Com%1 (%2)</source>
        <translation>Com%1 (%2)</translation>
    </message>
    <message>
        <source>Use the serial port %1</source>
        <translation>使用串口 %1</translation>
    </message>
    <message>
        <source>Other Port...</source>
        <translation>其他端口...</translation>
    </message>
    <message>
        <source>Type the path of any serial device, a pseudo-terminal for example</source>
        <translation>输入任意串口设备的路径，例如伪终端</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>模拟对讲机</translation>
    </message>
    <message>
        <source>Read and write a radio simulated inside the program, without a cable</source>
        <translation>无需连接线，读写程序内置的模拟对讲机</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>其他端口</translation>
    </message>
    <message>
        <source>Device path:</source>
        <translation>设备路径：</translation>
    </message>
</context>
<context>
    <name>ConnectionCheckDialog</name>
    <message>
        <source>Check Connection</source>
        <translation>检查连接</translation>
    </message>
    <message>
        <source>%1: checking the connection to the radio...</source>
        <translation>%1：正在检查与对讲机的连接...</translation>
    </message>
    <message>
        <source>%1: the check was stopped.</source>
        <translation>%1：检查已停止。</translation>
    </message>
    <message>
        <source>%1: the radio answers.</source>
        <translation>%1：对讲机已应答。</translation>
    </message>
    <message>
        <source>%1: the radio does not answer; the step marked ✗ tells why.</source>
        <translation>%1：对讲机没有应答，标有 ✗ 的步骤说明了原因。</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>未通过</translation>
    </message>
    <message>
        <source>checking</source>
        <translation>正在检查</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>未检查</translation>
    </message>
    <message>
        <source>Step %1 of %2, %3: %4</source>
        <translation>第 %1 步（共 %2 步），%3：%4</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the result</source>
        <translation>复制检查结果</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>重新检查(&amp;A)</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
