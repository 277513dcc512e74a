<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CompareDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>What is compared</source>
        <translation>What is compared</translation>
    </message>
    <message>
        <source>Number of differences</source>
        <translation>Number of differences</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differences</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>whole channel</source>
        <translation>whole channel</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the differences as text</source>
        <translation>Copy the differences as text</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CompareCommands</name>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>Compare With &amp;File...</translation>
    </message>
    <message>
        <source>Show what differs between the channel data and a channel file</source>
        <translation>Show what differs between the channel data and a channel file</translation>
    </message>
    <message>
        <source>&amp;Compare With Radio...</source>
        <translation>&amp;Compare With Radio...</translation>
    </message>
    <message>
        <source>Read the radio and show what differs from the channel data, which stays as it is</source>
        <translation>Read the radio and show what differs from the channel data, which stays as it is</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>&amp;Verify After Write</translation>
    </message>
    <message>
        <source>After every write, read the radio back and compare</source>
        <translation>After every write, read the radio back and compare</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Compare With File</translation>
    </message>
    <message>
        <source>The channel data as it stands, against %1.</source>
        <translation>The channel data as it stands, against %1.</translation>
    </message>
    <message>
        <source>Channel data</source>
        <translation>Channel data</translation>
    </message>
    <message>
        <source>Compare With Radio</source>
        <translation>Compare With Radio</translation>
    </message>
    <message>
        <source>The channel data as it stands, against what the radio holds.</source>
        <translation>The channel data as it stands, against what the radio holds.</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>Verify After Write</translation>
    </message>
    <message>
        <source>The radio was read back after the write: it does not hold what was written.</source>
        <translation>The radio was read back after the write: it does not hold what was written.</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Written</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Reading the Radio to Compare</source>
        <translation>Reading the Radio to Compare</translation>
    </message>
    <message>
        <source>Step 1 of 2: writing</source>
        <translation>Step 1 of 2: writing</translation>
    </message>
    <message>
        <source>Step 2 of 2: reading the radio back to verify</source>
        <translation>Step 2 of 2: reading the radio back to verify</translation>
    </message>
</context>
</TS>
