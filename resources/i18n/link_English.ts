<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Progress：</source>
        <translation>Progress：</translation>
    </message>
    <message>
        <source>Not started yet. Connect the radio, switch it on and press Start.</source>
        <translation>Not started yet. Connect the radio, switch it on and press Start.</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Transfer progress</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Transfer status</translation>
    </message>
    <message>
        <source>Block %1 of %2, %3%</source>
        <translation>Block %1 of %2, %3%</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, about %1 s left</translation>
    </message>
    <message>
        <source>Now are detecting Communication Port,Please wait...</source>
        <translation>Now are detecting Communication Port,Please wait...</translation>
    </message>
    <message>
        <source>Waiting the response from radio....</source>
        <translation>Waiting the response from radio....</translation>
    </message>
    <message>
        <source>Not start...</source>
        <translation>Not started. Press Start to try again.</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>&amp;Read From Radio</source>
        <translation>&amp;Read From Radio</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>Read Data From Radio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>&amp;Write To Radio</source>
        <translation>&amp;Write To Radio</translation>
    </message>
    <message>
        <source>Write Data to Radio </source>
        <translation>Write Data to Radio </translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Reading Data Progress</source>
        <translation>Reading Data Progress</translation>
    </message>
    <message>
        <source>Writing Data Progress</source>
        <translation>Writing Data Progress</translation>
    </message>
    <message>
        <source>Read %1 blocks in %2 s</source>
        <translation>Read %1 blocks in %2 s</translation>
    </message>
    <message>
        <source>Wrote %1 blocks in %2 s</source>
        <translation>Wrote %1 blocks in %2 s</translation>
    </message>
    <message>
        <source>Wrote %1 blocks and read them back in %2 s</source>
        <translation>Wrote %1 blocks and read them back in %2 s</translation>
    </message>
    <message>
        <source>Check Connection...</source>
        <translation>Check Connection...</translation>
    </message>
    <message>
        <source>Tell step by step why the radio on the chosen port does not answer</source>
        <translation>Tell step by step why the radio on the chosen port does not answer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Choose Communication Port one </translation>
    </message>
    <message>
        <source>Choose Communication Port two </source>
        <translation>Choose Communication Port two </translation>
    </message>
    <message>
        <source>Choose Communication Port three </source>
        <translation>Choose Communication Port three </translation>
    </message>
    <message>
        <source>Choose Communication Port four </source>
        <translation>Choose Communication Port four </translation>
    </message>
    <message>
        <source>Com%1 (%2)</source>
        <translation>Com%1 (%2)</translation>
    </message>
    <message>
        <source>Use the serial port %1</source>
        <translation>Use the serial port %1</translation>
    </message>
    <message>
        <source>Other Port...</source>
        <translation>Other Port...</translation>
    </message>
    <message>
        <source>Type the path of any serial device, a pseudo-terminal for example</source>
        <translation>Type the path of any serial device, a pseudo-terminal for example</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>Simulated radio</translation>
    </message>
    <message>
        <source>Read and write a radio simulated inside the program, without a cable</source>
        <translation>Read and write a radio simulated inside the program, without a cable</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Other port</translation>
    </message>
    <message>
        <source>Device path:</source>
        <translation>Device path:</translation>
    </message>
</context>
<context>
    <name>ConnectionCheckDialog</name>
    <message>
        <source>Check Connection</source>
        <translation>Check Connection</translation>
    </message>
    <message>
        <source>%1: checking the connection to the radio...</source>
        <translation>%1: checking the connection to the radio...</translation>
    </message>
    <message>
        <source>%1: the check was stopped.</source>
        <translation>%1: the check was stopped.</translation>
    </message>
    <message>
        <source>%1: the radio answers.</source>
        <translation>%1: the radio answers.</translation>
    </message>
    <message>
        <source>%1: the radio does not answer; the step marked ✗ tells why.</source>
        <translation>%1: the radio does not answer; the step marked ✗ tells why.</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>checking</source>
        <translation>checking</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>not checked</translation>
    </message>
    <message>
        <source>Step %1 of %2, %3: %4</source>
        <translation>Step %1 of %2, %3: %4</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copy the result</source>
        <translation>Copy the result</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>Check &amp;Again</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Check again</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
