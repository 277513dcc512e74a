<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>OptionalFeaturesDialog</name>
    <message>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <source>Function Set</source>
        <translation>Function Set</translation>
    </message>
    <message>
        <source>Time-out Timer</source>
        <translation>Time-out Timer</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelch Level</translation>
    </message>
    <message>
        <source>Language Choose</source>
        <translation>Language Choose</translation>
    </message>
    <message>
        <source>Vox Switch</source>
        <translation>Vox Switch</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>Vox Gain Level</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>Priority Channel</translation>
    </message>
    <message>
        <source>Roger</source>
        <translation>Roger</translation>
    </message>
    <message>
        <source>Scrambler Activation</source>
        <translation>Scrambler Activation</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation>Battery Save</translation>
    </message>
    <message>
        <source> ID</source>
        <translation> ID</translation>
    </message>
    <message>
        <source>Group ID</source>
        <translation>Group ID</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Call ID</source>
        <translation>Call ID</translation>
    </message>
    <message>
        <source>Kill ID</source>
        <translation>Kill ID</translation>
    </message>
    <message>
        <source>Check ID</source>
        <translation>Check ID</translation>
    </message>
    <message>
        <source>Listen ID</source>
        <translation>Listen ID</translation>
    </message>
    <message>
        <source>Begin of Tx</source>
        <translation>Begin of Tx</translation>
    </message>
    <message>
        <source>End of Tx</source>
        <translation>End of Tx</translation>
    </message>
    <message>
        <source>Frequent Mode Option</source>
        <translation>Frequent Mode Option</translation>
    </message>
    <message>
        <source>Opt Signal In Frequent Mode</source>
        <translation>Opt Signal In Frequent Mode</translation>
    </message>
    <message>
        <source>Repeat Invert</source>
        <translation>Repeat Invert</translation>
    </message>
    <message>
        <source>MIC Gain Level</source>
        <translation>MIC Gain Level</translation>
    </message>
    <message>
        <source>Audio Recieve Gain Level</source>
        <translation>Audio Recieve Gain Level</translation>
    </message>
    <message>
        <source>Modulation Gain Level</source>
        <translation>Modulation Gain Level</translation>
    </message>
    <message>
        <source>Audio Output Gain Level</source>
        <translation>Audio Output Gain Level</translation>
    </message>
    <message>
        <source>compander</source>
        <translation>compander</translation>
    </message>
    <message>
        <source>Pre/De-emphasis</source>
        <translation>Pre/De-emphasis</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
</context>
<context>
    <name>SideKeyDialog</name>
    <message>
        <source>Side Key</source>
        <translation>Side Key</translation>
    </message>
    <message>
        <source>Side Key1</source>
        <translation>Side Key1</translation>
    </message>
    <message>
        <source>Side Key2</source>
        <translation>Side Key2</translation>
    </message>
    <message>
        <source>Short Press</source>
        <translation>Short Press</translation>
    </message>
    <message>
        <source>Long Press</source>
        <translation>Long Press</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
