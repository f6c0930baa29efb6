<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The English texts that count something: one form for 1, one for every other number.
     Texts without a count read as they are written in the code. -->
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>PlanTexts</name>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n month</numerusform>
            <numerusform>%n months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <translation>
            <numerusform>%n year</numerusform>
            <numerusform>%n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n week</numerusform>
            <numerusform>%n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n payment(s)</source>
        <translation>
            <numerusform>%n payment</numerusform>
            <numerusform>%n payments</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanCharts</name>
    <message numerus="yes">
        <source>Principal and interest per loan year, %n year(s): the most interest, %1, in year %2; the balance from %3 after year 1 to %4 after year %n</source>
        <translation>
            <numerusform>Principal and interest per loan year, %n year: the most interest, %1, in year %2; the balance from %3 after year 1 to %4 after year %n</numerusform>
            <numerusform>Principal and interest per loan year, %n years: the most interest, %1, in year %2; the balance from %3 after year 1 to %4 after year %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>brisanel::app::planner::PlannerWindow</name>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n month</numerusform>
            <numerusform>%n months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The loan changed with the switch: now %n month(s) at %1 a month, before %2 at %3.</source>
        <translation>
            <numerusform>The loan changed with the switch: now %n month at %1 a month, before %2 at %3.</numerusform>
            <numerusform>The loan changed with the switch: now %n months at %1 a month, before %2 at %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row(s) %1 of the events left out until it has an amount or rate.</source>
        <translation>
            <numerusform>Row %1 of the events is left out until it has an amount or rate.</numerusform>
            <numerusform>Rows %1 of the events are left out until they have an amount or rate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Row(s) %1 of the events has no amount or rate yet and will not be saved. Save the plan without it?</source>
        <translation>
            <numerusform>Row %1 of the events has no amount or rate yet and will not be saved. Save the plan without it?</numerusform>
            <numerusform>Rows %1 of the events have no amount or rate yet and will not be saved. Save the plan without them?</numerusform>
        </translation>
    </message>
</context>
</TS>
