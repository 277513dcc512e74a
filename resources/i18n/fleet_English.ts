<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FleetCommands</name>
    <message>
        <source>Write To &amp;Several Radios...</source>
        <translation>Write To &amp;Several Radios...</translation>
    </message>
    <message>
        <source>Write the channel data into many radios, each with its own ID, and keep a record</source>
        <translation>Write the channel data into many radios, each with its own ID, and keep a record</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>Simulated radio</translation>
    </message>
</context>
<context>
    <name>FleetDialog</name>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Write To Several Radios</source>
        <translation>Write To Several Radios</translation>
    </message>
    <message>
        <source>No numbering</source>
        <translation>No numbering</translation>
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
        <source>Box that gets a number per radio</source>
        <translation>Box that gets a number per radio</translation>
    </message>
    <message>
        <source>ID of the next radio</source>
        <translation>ID of the next radio</translation>
    </message>
    <message>
        <source>IDs the next radios get</source>
        <translation>IDs the next radios get</translation>
    </message>
    <message>
        <source>&amp;Number each radio in:</source>
        <translation>&amp;Number each radio in:</translation>
    </message>
    <message>
        <source>&amp;First ID:</source>
        <translation>&amp;First ID:</translation>
    </message>
    <message>
        <source>Ports with a radio to write</source>
        <translation>Ports with a radio to write</translation>
    </message>
    <message>
        <source>&amp;Ports (one ticked: radio after radio; several: all at once):</source>
        <translation>&amp;Ports (one ticked: radio after radio; several: all at once):</translation>
    </message>
    <message>
        <source>Record file</source>
        <translation>Record file</translation>
    </message>
    <message>
        <source>Choose the record file</source>
        <translation>Choose the record file</translation>
    </message>
    <message>
        <source>&amp;Record:</source>
        <translation>&amp;Record:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Radios written</source>
        <translation>Radios written</translation>
    </message>
    <message>
        <source>State of the radios</source>
        <translation>State of the radios</translation>
    </message>
    <message>
        <source>Start writing the radios</source>
        <translation>Start writing the radios</translation>
    </message>
    <message>
        <source>Stop every radio</source>
        <translation>Stop every radio</translation>
    </message>
    <message>
        <source>Close the dialog</source>
        <translation>Close the dialog</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Tick the ports with a radio, then press Start.</source>
        <translation>Tick the ports with a radio, then press Start.</translation>
    </message>
    <message>
        <source>Every radio gets the file as it is.</source>
        <translation>Every radio gets the file as it is.</translation>
    </message>
    <message>
        <source>The next radio gets ID %1.</source>
        <translation>The next radio gets ID %1.</translation>
    </message>
    <message>
        <source>The next %1 radios get IDs %2 to %3.</source>
        <translation>The next %1 radios get IDs %2 to %3.</translation>
    </message>
    <message>
        <source>The next radio gets ID %1 again: its radio was not verified.</source>
        <translation>The next radio gets ID %1 again: its radio was not verified.</translation>
    </message>
    <message>
        <source>The next %1 radios get IDs %2; first those of radios not verified.</source>
        <translation>The next %1 radios get IDs %2; first those of radios not verified.</translation>
    </message>
    <message>
        <source>%1 and %2 are one port: tick it once.</source>
        <translation>%1 and %2 are one port: tick it once.</translation>
    </message>
    <message>
        <source>Tick the port of at least one radio.</source>
        <translation>Tick the port of at least one radio.</translation>
    </message>
    <message>
        <source>writing...</source>
        <translation>writing...</translation>
    </message>
    <message>
        <source>Progress of the radio on %1</source>
        <translation>Progress of the radio on %1</translation>
    </message>
    <message>
        <source>Writing radio %1...</source>
        <translation>Writing radio %1...</translation>
    </message>
    <message>
        <source>Writing %1 radios at once...</source>
        <translation>Writing %1 radios at once...</translation>
    </message>
    <message>
        <source>Radio %1 done: verified. Connect the next radio and press Start.</source>
        <translation>Radio %1 done: verified. Connect the next radio and press Start.</translation>
    </message>
    <message>
        <source>Radio %1 done: ID %2, verified. Connect the next radio and press Start.</source>
        <translation>Radio %1 done: ID %2, verified. Connect the next radio and press Start.</translation>
    </message>
    <message>
        <source>Radio %1 failed: %2. Press Start to write it again%3.</source>
        <translation>Radio %1 failed: %2. Press Start to write it again%3.</translation>
    </message>
    <message>
        <source> with ID %1</source>
        <translation> with ID %1</translation>
    </message>
    <message>
        <source>Stopped. Radios stopped in the middle must be written again.</source>
        <translation>Stopped. Radios stopped in the middle must be written again.</translation>
    </message>
    <message>
        <source>%1 of %2 radios verified. Connect the next radios and press Start.</source>
        <translation>%1 of %2 radios verified. Connect the next radios and press Start.</translation>
    </message>
    <message>
        <source>Stopping every radio...</source>
        <translation>Stopping every radio...</translation>
    </message>
</context>
</TS>
