<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>settings</name>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUAGE</translation>
    </message>
</context>
<!-- Help pages and credits follow: drawn into the atlas at build time. -->
</TS>
