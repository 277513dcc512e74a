<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Orin Programing Software</source>
        <translation>Orin Programing Software</translation>
    </message>
    <message>
        <source>Copyright (C) Orin Communication Equipment.
All rights reserved.
For programming the Orin-6140D radio only.</source>
        <translation>Copyright (C) Orin Communication Equipment.
All rights reserved.
For programming the Orin-6140D radio only.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orin Programing Software</source>
        <translation>Orin Programing Software</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>For Help，Please Press F1</source>
        <translation>For Help，Please Press F1</translation>
    </message>
</context>
<context>
    <name>ChannelTablePrinter</name>
    <message>
        <source>Channel List</source>
        <translation>Channel List</translation>
    </message>
    <message>
        <source>No channel is programmed.</source>
        <translation>No channel is programmed.</translation>
    </message>
    <message>
        <source>File: %1    Printed: %2    Radio type: %3    Band edges: %4-%5 MHz</source>
        <translation>File: %1    Printed: %2    Radio type: %3    Band edges: %4-%5 MHz</translation>
    </message>
    <message>
        <source>unknown (code %1)</source>
        <translation>unknown (code %1)</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo the last change undone</source>
        <translation>Redo the last change undone</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Channel Data (*.sin)</source>
        <translation>Channel Data (*.sin)</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>Write Data</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Radio %1</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Save the active document with a new name
Save As</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Display full pages
Print Preview</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Quit the application
Exit</translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation>&amp;Optional Features</translation>
    </message>
    <message>
        <source>Set the rest  functional features for the interphone
Optional Features</source>
        <translation>Set the rest  functional features for the interphone
Optional Features</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>Side Key</translation>
    </message>
    <message>
        <source>Set the functions of the two side keys
Side Key</source>
        <translation>Set the functions of the two side keys
Side Key</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Show or hide the toolbar
Toggle ToolBar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Show or hide the status bar
Toggle StatusBar</translation>
    </message>
    <message>
        <source>Switch to Chinese</source>
        <translation>Switch to Chinese</translation>
    </message>
    <message>
        <source>Switch the interface language
Switch Language</source>
        <translation>Switch the interface language
Switch Language</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>List Help topics
Help Topics</translation>
    </message>
    <message>
        <source>&amp;About Orin...</source>
        <translation>&amp;About Orin...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Help Contents</translation>
    </message>
    <message>
        <source>Display the contents of the help
Help</source>
        <translation>Display the contents of the help
Help</translation>
    </message>
</context>
</TS>
