<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>rangedesk::app::TSettingsForm</name>
    <message>
        <location filename="../src/app/settings_form.cpp" line="+49"/>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Takes effect when RangeDesk starts again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rangedesk::desktop::InstanceService</name>
    <message>
        <location filename="../src/desktop/instance_service.cpp" line="+36"/>
        <source>RangeDesk did not finish the measurement within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>RangeDesk is closing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
