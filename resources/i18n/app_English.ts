<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Orin Programing Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
