<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="cs_CZ">
<context>
    <name>template 100</name>
    <message>
        <source>Travik 00.00.98  CZ_008</source>
        <translation>Travik 00.00.98  CZ_008</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>KONFIGURACE</source>
        <translation>CONFIGURATION</translation>
    </message>
    <message>
        <source>HODNOTY</source>
        <translation>VALUES</translation>
    </message>
    <message>
        <source>HID ID</source>
        <translation>HID ID</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>FW version</source>
        <translation>FW version</translation>
    </message>
    <message>
        <source>Kolvar %1</source>
        <translation>Kolvar %1</translation>
    </message>
    <message>
        <source>ZAPSAT</source>
        <translation>WRITE</translation>
    </message>
    <message>
        <source>ČÍST</source>
        <translation>READ</translation>
    </message>
</context>
<context>
    <name>menu 102</name>
    <message>
        <source>Soubor</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Nástroje</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Manuální kalibrace</source>
        <translation>Manual calibration</translation>
    </message>
    <message>
        <source>Atomatická kalibrace</source>
        <translation>Automatic calibration</translation>
    </message>
    <message>
        <source>BootLoader</source>
        <translation>Bootloader</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>USB parametry Set</source>
        <translation>USB parametres SET</translation>
    </message>
    <message>
        <source>USB parametry Cal</source>
        <translation>USB parameters CAL</translation>
    </message>
    <message>
        <source>Jazyk / Language</source>
        <translation>Jazyk / Language</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Podporovaná zařízení</source>
        <translation>Supported devices</translation>
    </message>
    <message>
        <source>Podporované funkce</source>
        <translation>Supported functions</translation>
    </message>
</context>
<context>
    <name>template 103</name>
    <message>
        <source>USB HID</source>
        <translation>USB HID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>HID ID seting</source>
        <translation>HID ID setting</translation>
    </message>
    <message>
        <source>Vendor ID</source>
        <translation>Vendor ID</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Product ID</translation>
    </message>
    <message>
        <source>HID ID Nastavení</source>
        <translation>HID ID setting</translation>
    </message>
</context>
<context>
    <name>template 105</name>
    <message>
        <source>Analogový výstup 1</source>
        <translation>Analog output 1</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Vstup Lo [°C]</source>
        <translation>Input Lo [°C]</translation>
    </message>
    <message>
        <source>Vstup Hi [°C]</source>
        <translation>Input Hi [°C]</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Safety hod. [V]</source>
        <translation>Safety value [V]</translation>
    </message>
    <message>
        <source>Analogový výstup 2</source>
        <translation>Analog output 2</translation>
    </message>
    <message>
        <source>Vstup Lo [%RH]</source>
        <translation>Input Lo [%RH]</translation>
    </message>
    <message>
        <source>Vstup Hi [%RH]</source>
        <translation>Input Hi [%RH]</translation>
    </message>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Displej</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Kontrast LCD</source>
        <translation>LCD contrast</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Načíst NSC</source>
        <translation>Read NSC</translation>
    </message>
    <message>
        <source>Zapsat NSC</source>
        <translation>Write NSC</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Safety hod. [mA]</source>
        <translation>Safety value [mA]</translation>
    </message>
    <message>
        <source>Výstup Hi [mA]</source>
        <translation>Output Hi [mA]</translation>
    </message>
    <message>
        <source>Výstup Lo [mA]</source>
        <translation>Output Lo [mA]</translation>
    </message>
</context>
<context>
    <name>template 106</name>
    <message>
        <source>Data 3</source>
        <translation>Data 3</translation>
    </message>
    <message>
        <source>Data 1</source>
        <translation>Data 1</translation>
    </message>
    <message>
        <source>Data 2</source>
        <translation>Data 2</translation>
    </message>
    <message>
        <source>Data 4</source>
        <translation>Data 4</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
    <message>
        <source>I1</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>I2</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Záznam</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>%1: %2 řádků</source>
        <translation>%1: %2 rows</translation>
    </message>
    <message>
        <source>Analogový výstup %1</source>
        <translation>Analog output %1</translation>
    </message>
    <message>
        <source>Koncentrace %1</source>
        <translation>%1 concentration</translation>
    </message>
    <message>
        <source>Teplota</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Vlhkost</source>
        <translation>Humidity</translation>
    </message>
</context>
<context>
    <name>template 108</name>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Write: %1%</source>
        <translation>Write: %1%</translation>
    </message>
</context>
<context>
    <name>template 109</name>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Read: %1%</source>
        <translation>Read: %1%</translation>
    </message>
</context>
<context>
    <name>template 110</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Displej</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Kontrast LCD</source>
        <translation>LCD contrast</translation>
    </message>
    <message>
        <source>Načíst NSF</source>
        <translation>Read NSF</translation>
    </message>
    <message>
        <source>Zapsat NSF</source>
        <translation>Write NSF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 111</name>
    <message>
        <source>Analogový výstup 1</source>
        <translation>Analog output 1</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Vstup Lo [°C]</source>
        <translation>Input Lo [°C]</translation>
    </message>
    <message>
        <source>Vstup Hi [°C]</source>
        <translation>Input Hi [°C]</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Safety hod. [V]</source>
        <translation>Safety value [V]</translation>
    </message>
    <message>
        <source>Analogový výstup 2</source>
        <translation>Analog output 2</translation>
    </message>
    <message>
        <source>Vstup Lo [%RH]</source>
        <translation>Input Lo [%RH]</translation>
    </message>
    <message>
        <source>Vstup Hi [%RH]</source>
        <translation>Input Hi [%RH]</translation>
    </message>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Displej</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Kontrast LCD</source>
        <translation>LCD contrast</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Načíst BBA</source>
        <translation>Read BBA</translation>
    </message>
    <message>
        <source>Zapsat BBA</source>
        <translation>Write BBA</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 112</name>
    <message>
        <source>Analogový výstup 1</source>
        <translation>Analog output 1</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Vstup Lo</source>
        <translation>Input Lo</translation>
    </message>
    <message>
        <source>Vstup Hi</source>
        <translation>Input Hi</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Safety hod. [V]</source>
        <translation>Safety value [V]</translation>
    </message>
    <message>
        <source>Analogový výstup 2</source>
        <translation>Analog output 2</translation>
    </message>
    <message>
        <source>Safety režim</source>
        <translation>Safety mode</translation>
    </message>
    <message>
        <source>Ativovat</source>
        <translation>Activate</translation>
    </message>
    <message>
        <source>TimeOut [ms]</source>
        <translation>TimeOut [ms]</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Načíst EHA9</source>
        <translation>Read EHA9</translation>
    </message>
    <message>
        <source>Zapsat EHA9</source>
        <translation>Write EHA9</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source> 1200Bd</source>
        <translation> 1200Bd</translation>
    </message>
    <message>
        <source> 2400Bd</source>
        <translation> 2400Bd</translation>
    </message>
    <message>
        <source> 4800Bd</source>
        <translation> 4800Bd</translation>
    </message>
    <message>
        <source> 9600Bd</source>
        <translation> 9600Bd</translation>
    </message>
    <message>
        <source>19200Bd</source>
        <translation>19200Bd</translation>
    </message>
    <message>
        <source>38400Bd</source>
        <translation>38400Bd</translation>
    </message>
    <message>
        <source>57600Bd</source>
        <translation>57600Bd</translation>
    </message>
    <message>
        <source>Safety hod. [mA]</source>
        <translation>Safety value [mA]</translation>
    </message>
    <message>
        <source>Výstup Hi [mA]</source>
        <translation>Output Hi [mA]</translation>
    </message>
    <message>
        <source>Výstup Lo [mA]</source>
        <translation>Output Lo [mA]</translation>
    </message>
</context>
<context>
    <name>template 113</name>
    <message>
        <source>Analogový výstup 1</source>
        <translation>Analog output 1</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Vstup Lo [Hz]</source>
        <translation>Input Lo [Hz]</translation>
    </message>
    <message>
        <source>Vstup Hi [Hz]</source>
        <translation>Input Hi [Hz]</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Safety hod. [V]</source>
        <translation>Safety value [V]</translation>
    </message>
    <message>
        <source>Analogový výstup 2</source>
        <translation>Analog output 2</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Načíst UU5</source>
        <translation>Read UU5</translation>
    </message>
    <message>
        <source>Zapsat UU5</source>
        <translation>Write UU5</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 120</name>
    <message>
        <source>BootLoader</source>
        <translation>BootLoader</translation>
    </message>
    <message>
        <source>HW platforma</source>
        <translation>HW platform</translation>
    </message>
    <message>
        <source>HW verze</source>
        <translation>HW version</translation>
    </message>
    <message>
        <source>Boot SW verze</source>
        <translation>Boot SW version</translation>
    </message>
    <message>
        <source>OpenFile</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Boot Status</source>
        <translation>Boot Status</translation>
    </message>
    <message>
        <source>DownLoad</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>HW Info</source>
        <translation>HW Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source> BOOTLoader, Zápis datového bloku %1</source>
        <translation> Bootloader: writing data block %1</translation>
    </message>
    <message>
        <source> Bootovani je úspěšně dokončeno ;-) </source>
        <translation> Firmware download completed successfully ;-) </translation>
    </message>
    <message>
        <source> Cekani na provedeni Resetu zarizeni, zbyva %1 ms</source>
        <translation> Waiting for the device to reset, %1 ms left</translation>
    </message>
    <message>
        <source>Bootovaci mod je aktivovan</source>
        <translation>Boot mode is active</translation>
    </message>
    <message>
        <source>Kontrola HW informaci dokoncena</source>
        <translation>HW information checked</translation>
    </message>
    <message>
        <source>Mazaní Flash je dokončeno</source>
        <translation>Flash erase completed</translation>
    </message>
    <message>
        <source>Není vybrán soubor</source>
        <translation>No file selected</translation>
    </message>
    <message>
        <source>Otevřít soubor</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Probíhá Inicializace Bootovacího modu</source>
        <translation>Starting boot mode</translation>
    </message>
    <message>
        <source>Soubor pro download je inicializovan</source>
        <translation>Download file is ready</translation>
    </message>
    <message>
        <source>Čtení HW informaci dokončeno</source>
        <translation>HW information read</translation>
    </message>
</context>
<context>
    <name>template 121</name>
    <message>
        <source>USB HID</source>
        <translation>USB HID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>HID ID seting</source>
        <translation>HID ID setting</translation>
    </message>
    <message>
        <source>Vendor ID</source>
        <translation>Vendor ID</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Product ID</translation>
    </message>
    <message>
        <source>HID ID Nastavení, Kalibrátor</source>
        <translation>HID ID setting, calibration device</translation>
    </message>
</context>
<context>
    <name>template 122</name>
    <message>
        <source>Automaticka Kalibrace</source>
        <translation>Automatic calibration</translation>
    </message>
    <message>
        <source>HID ID</source>
        <translation>HID ID</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>FW Version</source>
        <translation>FW Version</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
    <message>
        <source>I1</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>I2</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>Rychlá kalibrace</source>
        <translation>Quick calibration</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Protokol:</source>
        <translation>Report:</translation>
    </message>
    <message>
        <source>Kalibrace Napeti kanal %1 kalibracni bod %2</source>
        <translation>Voltage calibration, channel %1, point %2</translation>
    </message>
    <message>
        <source>Kalibrace Proudu kanal %1 kalibracni bod %2</source>
        <translation>Current calibration, channel %1, point %2</translation>
    </message>
    <message>
        <source>Kalibrace dokoncena</source>
        <translation>Calibration finished</translation>
    </message>
    <message>
        <source>Zbyvajici pocet kroku %1 </source>
        <translation>Steps left: %1 </translation>
    </message>
</context>
<context>
    <name>template 123</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Konc. CO2 [ppm]</source>
        <translation>CO2 conc. [ppm]</translation>
    </message>
    <message>
        <source>Limity indikace CO2</source>
        <translation>CO2 indication limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Načíst NRXU</source>
        <translation>Read NRXU</translation>
    </message>
    <message>
        <source>Zapsat NRXU</source>
        <translation>Write NRXU</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 124</name>
    <message>
        <source>OFF LINE mode</source>
        <translation>OFF LINE mode</translation>
    </message>
</context>
<context>
    <name>template 125</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Proudění [m/s]</source>
        <translation>Air flow [m/s]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Displej</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Kontrast LCD</source>
        <translation>LCD contrast</translation>
    </message>
    <message>
        <source>Načíst NWYT</source>
        <translation>Read NWYT</translation>
    </message>
    <message>
        <source>Zapsat NWYT</source>
        <translation>Write NWYT</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 126</name>
    <message>
        <source>Analogový výstup 1</source>
        <translation>Analog output 1</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Vstup Lo [m/s]</source>
        <translation>Input Lo [m/s]</translation>
    </message>
    <message>
        <source>Vstup Hi [m/s]</source>
        <translation>Input Hi [m/s]</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Safety hod. [V]</source>
        <translation>Safety value [V]</translation>
    </message>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Proudění [m/s]</source>
        <translation>Air flow [m/s]</translation>
    </message>
    <message>
        <source>Displej</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Kontrast LCD</source>
        <translation>LCD contrast</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Načíst NWYJ</source>
        <translation>Read NWYJ</translation>
    </message>
    <message>
        <source>Zapsat NWYJ</source>
        <translation>Write NWYJ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Safety hod. [mA]</source>
        <translation>Safety value [mA]</translation>
    </message>
    <message>
        <source>Výstup Hi [mA]</source>
        <translation>Output Hi [mA]</translation>
    </message>
    <message>
        <source>Výstup Lo [mA]</source>
        <translation>Output Lo [mA]</translation>
    </message>
</context>
<context>
    <name>template 127</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Osvětlení [lx]</source>
        <translation>Illuminance [lx]</translation>
    </message>
    <message>
        <source>Korekce Transparence</source>
        <translation>Transp. correction</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Mod P20M</source>
        <translation>P20M mode</translation>
    </message>
    <message>
        <source>Načíst NDEUL</source>
        <translation>Read NDEUL</translation>
    </message>
    <message>
        <source>Zapsat NDEUL</source>
        <translation>Write NDEUL</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 130</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Konc. CO2 [ppm]</source>
        <translation>CO2 conc. [ppm]</translation>
    </message>
    <message>
        <source>Limity indikace CO2</source>
        <translation>CO2 indication limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Zápis kalibrační hodnoty</source>
        <translation>Calibration value entry</translation>
    </message>
    <message>
        <source>Kalibrační hodnota</source>
        <translation>Calibration value</translation>
    </message>
    <message>
        <source>Zápsat kalibraci</source>
        <translation>Write calibration</translation>
    </message>
    <message>
        <source>Načíst KDB</source>
        <translation>Read KDB</translation>
    </message>
    <message>
        <source>Zapsat KDB</source>
        <translation>Write KDB</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source> 1200Bd</source>
        <translation> 1200Bd</translation>
    </message>
    <message>
        <source> 2400Bd</source>
        <translation> 2400Bd</translation>
    </message>
    <message>
        <source> 4800Bd</source>
        <translation> 4800Bd</translation>
    </message>
    <message>
        <source> 9600Bd</source>
        <translation> 9600Bd</translation>
    </message>
    <message>
        <source>19200Bd</source>
        <translation>19200Bd</translation>
    </message>
    <message>
        <source>38400Bd</source>
        <translation>38400Bd</translation>
    </message>
    <message>
        <source>57600Bd</source>
        <translation>57600Bd</translation>
    </message>
</context>
<context>
    <name>template 131</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Konc. CO2 [ppm]</source>
        <translation>CO2 conc. [ppm]</translation>
    </message>
    <message>
        <source>Limity indikace CO2</source>
        <translation>CO2 indication limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Zápis kalibrační hodnoty</source>
        <translation>Calibration value entry</translation>
    </message>
    <message>
        <source>Kalibrační hodnota</source>
        <translation>Calibration value</translation>
    </message>
    <message>
        <source>Zápsat kalibraci</source>
        <translation>Write calibration</translation>
    </message>
    <message>
        <source>Načíst NRGN</source>
        <translation>Read NRGN</translation>
    </message>
    <message>
        <source>Zapsat NRGN</source>
        <translation>Write NRGN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 132</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Konc. CO2 [ppm]</source>
        <translation>CO2 conc. [ppm]</translation>
    </message>
    <message>
        <source>Limity indikace CO2</source>
        <translation>CO2 indication limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Zápis kalibrační hodnoty</source>
        <translation>Calibration value entry</translation>
    </message>
    <message>
        <source>Kalibrační hodnota</source>
        <translation>Calibration value</translation>
    </message>
    <message>
        <source>Zápsat kalibraci</source>
        <translation>Write calibration</translation>
    </message>
    <message>
        <source>Načíst KFX</source>
        <translation>Read KFX</translation>
    </message>
    <message>
        <source>Zapsat KFX</source>
        <translation>Write KFX</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 133</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Kontrast LCD</source>
        <translation>LCD contrast</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Povolení Menu</source>
        <translation>Menu enabled</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Teplota - konfigurační parametry</source>
        <translation>Temperature - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [°C]</source>
        <translation>Lower limit [°C]</translation>
    </message>
    <message>
        <source>Horní limit [°C]</source>
        <translation>Upper limit [°C]</translation>
    </message>
    <message>
        <source>Žádaná [°C]</source>
        <translation>Setpoint [°C]</translation>
    </message>
    <message>
        <source>Korekce Teploty</source>
        <translation>Temperature correction</translation>
    </message>
    <message>
        <source>Žádaná Teplota</source>
        <translation>Setpoint temperature</translation>
    </message>
    <message>
        <source>Bargraf</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>Relativní</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Vlhkost - konfigurační parametry</source>
        <translation>Humidity - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [%RH]</source>
        <translation>Lower limit [%RH]</translation>
    </message>
    <message>
        <source>Horní limit [%RH]</source>
        <translation>Upper limit [%RH]</translation>
    </message>
    <message>
        <source>Žádaná [%RH]</source>
        <translation>Setpoint [%RH]</translation>
    </message>
    <message>
        <source>Korekce Vlhkosti</source>
        <translation>Humidity correction</translation>
    </message>
    <message>
        <source>Žádaná Vlhkosti</source>
        <translation>Setpoint humidity</translation>
    </message>
    <message>
        <source>Absolutní</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>Rychlá volba</source>
        <translation>Quick choice</translation>
    </message>
    <message>
        <source>Prostřední tlačítko</source>
        <translation>Middle button</translation>
    </message>
    <message>
        <source>Spodní tlačítko</source>
        <translation>Bottom button</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Režim 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Propojení s LCD</source>
        <translation>Link to LCD</translation>
    </message>
    <message>
        <source>Počet stavů</source>
        <translation>Number of states</translation>
    </message>
    <message>
        <source>Symbol 1</source>
        <translation>Symbol 1</translation>
    </message>
    <message>
        <source>Symbol 2</source>
        <translation>Symbol 2</translation>
    </message>
    <message>
        <source>Symbol 3</source>
        <translation>Symbol 3</translation>
    </message>
    <message>
        <source>Symbol 4</source>
        <translation>Symbol 4</translation>
    </message>
    <message>
        <source>Symbol 5</source>
        <translation>Symbol 5</translation>
    </message>
    <message>
        <source>Symbol 6</source>
        <translation>Symbol 6</translation>
    </message>
    <message>
        <source>Symbol 7</source>
        <translation>Symbol 7</translation>
    </message>
    <message>
        <source>Symbol 8</source>
        <translation>Symbol 8</translation>
    </message>
    <message>
        <source>Symbol 9</source>
        <translation>Symbol 9</translation>
    </message>
    <message>
        <source>Symbol 10</source>
        <translation>Symbol 10</translation>
    </message>
    <message>
        <source>Symbol 11</source>
        <translation>Symbol 11</translation>
    </message>
    <message>
        <source>Symbol 12</source>
        <translation>Symbol 12</translation>
    </message>
    <message>
        <source>Symbol 13</source>
        <translation>Symbol 13</translation>
    </message>
    <message>
        <source>Symbol 14</source>
        <translation>Symbol 14</translation>
    </message>
    <message>
        <source>Symbol 15</source>
        <translation>Symbol 15</translation>
    </message>
    <message>
        <source>Symbol 16</source>
        <translation>Symbol 16</translation>
    </message>
    <message>
        <source>Režim 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Režim 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>Načíst BBH7T</source>
        <translation>Read BBH7T</translation>
    </message>
    <message>
        <source>Zapsat BBH7T</source>
        <translation>Write BBH7T</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 134</name>
    <message>
        <source>Kanál 0</source>
        <translation>Channel 0</translation>
    </message>
    <message>
        <source>Zapsat kanál 0</source>
        <translation>Write channel 0</translation>
    </message>
    <message>
        <source>Kanál 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>Zapsat kanál 1</source>
        <translation>Write channel 1</translation>
    </message>
    <message>
        <source>Analogový výstup</source>
        <translation>Analog output</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
    <message>
        <source>I1</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>I2</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Záznam</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Analogový výstup %1</source>
        <translation>Analog output %1</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Vstupní rozsah: %1 - %2</source>
        <translation>Input range: %1 - %2</translation>
    </message>
    <message>
        <source>Výtupní rozsah: %1 - %2</source>
        <translation>Output range: %1 - %2</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
</context>
<context>
    <name>template 135</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Kontrast LCD</source>
        <translation>LCD contrast</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Povolení Menu</source>
        <translation>Menu enabled</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Teplota - konfigurační parametry</source>
        <translation>Temperature - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [°C]</source>
        <translation>Lower limit [°C]</translation>
    </message>
    <message>
        <source>Horní limit [°C]</source>
        <translation>Upper limit [°C]</translation>
    </message>
    <message>
        <source>Žádaná [°C]</source>
        <translation>Setpoint [°C]</translation>
    </message>
    <message>
        <source>Korekce Teploty</source>
        <translation>Temperature correction</translation>
    </message>
    <message>
        <source>Žádaná Teplota</source>
        <translation>Setpoint temperature</translation>
    </message>
    <message>
        <source>Bargraf</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>Relativní</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Rychlá volba</source>
        <translation>Quick choice</translation>
    </message>
    <message>
        <source>Prostřední tlačítko</source>
        <translation>Middle button</translation>
    </message>
    <message>
        <source>Spodní tlačítko</source>
        <translation>Bottom button</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Režim 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Propojení s LCD</source>
        <translation>Link to LCD</translation>
    </message>
    <message>
        <source>Počet stavů</source>
        <translation>Number of states</translation>
    </message>
    <message>
        <source>Symbol 1</source>
        <translation>Symbol 1</translation>
    </message>
    <message>
        <source>Symbol 2</source>
        <translation>Symbol 2</translation>
    </message>
    <message>
        <source>Symbol 3</source>
        <translation>Symbol 3</translation>
    </message>
    <message>
        <source>Symbol 4</source>
        <translation>Symbol 4</translation>
    </message>
    <message>
        <source>Symbol 5</source>
        <translation>Symbol 5</translation>
    </message>
    <message>
        <source>Symbol 6</source>
        <translation>Symbol 6</translation>
    </message>
    <message>
        <source>Symbol 7</source>
        <translation>Symbol 7</translation>
    </message>
    <message>
        <source>Symbol 8</source>
        <translation>Symbol 8</translation>
    </message>
    <message>
        <source>Symbol 9</source>
        <translation>Symbol 9</translation>
    </message>
    <message>
        <source>Symbol 10</source>
        <translation>Symbol 10</translation>
    </message>
    <message>
        <source>Symbol 11</source>
        <translation>Symbol 11</translation>
    </message>
    <message>
        <source>Symbol 12</source>
        <translation>Symbol 12</translation>
    </message>
    <message>
        <source>Symbol 13</source>
        <translation>Symbol 13</translation>
    </message>
    <message>
        <source>Symbol 14</source>
        <translation>Symbol 14</translation>
    </message>
    <message>
        <source>Symbol 15</source>
        <translation>Symbol 15</translation>
    </message>
    <message>
        <source>Symbol 16</source>
        <translation>Symbol 16</translation>
    </message>
    <message>
        <source>Režim 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Režim 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>Načíst JBC3S</source>
        <translation>Read JBC3S</translation>
    </message>
    <message>
        <source>Zapsat JBC3S</source>
        <translation>Write JBC3S</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 138</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Potenciometr - konfigurační parametry</source>
        <translation>Potentiometer - configuration</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Tlačítko 1</source>
        <translation>Button 1</translation>
    </message>
    <message>
        <source>Propojení s LED</source>
        <translation>Link to LED</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Počet stavů</source>
        <translation>Number of states</translation>
    </message>
    <message>
        <source>Stav 1</source>
        <translation>State 1</translation>
    </message>
    <message>
        <source>Stav 2</source>
        <translation>State 2</translation>
    </message>
    <message>
        <source>Stav 3</source>
        <translation>State 3</translation>
    </message>
    <message>
        <source>Stav 4</source>
        <translation>State 4</translation>
    </message>
    <message>
        <source>Stav 5</source>
        <translation>State 5</translation>
    </message>
    <message>
        <source>Stav 6</source>
        <translation>State 6</translation>
    </message>
    <message>
        <source>Stav 7</source>
        <translation>State 7</translation>
    </message>
    <message>
        <source>Stav 8</source>
        <translation>State 8</translation>
    </message>
    <message>
        <source>Stav 9</source>
        <translation>State 9</translation>
    </message>
    <message>
        <source>Stav 10</source>
        <translation>State 10</translation>
    </message>
    <message>
        <source>Stav 11</source>
        <translation>State 11</translation>
    </message>
    <message>
        <source>Stav 12</source>
        <translation>State 12</translation>
    </message>
    <message>
        <source>Stav 13</source>
        <translation>State 13</translation>
    </message>
    <message>
        <source>Stav 14</source>
        <translation>State 14</translation>
    </message>
    <message>
        <source>Stav 15</source>
        <translation>State 15</translation>
    </message>
    <message>
        <source>Stav 16</source>
        <translation>State 16</translation>
    </message>
    <message>
        <source>Načíst BBH7H</source>
        <translation>Read BBH7H</translation>
    </message>
    <message>
        <source>Zapsat BBH7H</source>
        <translation>Write BBH7H</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source> 1200Bd</source>
        <translation> 1200Bd</translation>
    </message>
    <message>
        <source> 2400Bd</source>
        <translation> 2400Bd</translation>
    </message>
    <message>
        <source> 4800Bd</source>
        <translation> 4800Bd</translation>
    </message>
    <message>
        <source> 9600Bd</source>
        <translation> 9600Bd</translation>
    </message>
    <message>
        <source> odd</source>
        <translation> odd</translation>
    </message>
    <message>
        <source>19200Bd</source>
        <translation>19200Bd</translation>
    </message>
    <message>
        <source>38400Bd</source>
        <translation>38400Bd</translation>
    </message>
    <message>
        <source>57600Bd</source>
        <translation>57600Bd</translation>
    </message>
    <message>
        <source>LED1 Modbus, LED2 bliká</source>
        <translation>LED1 Modbus, LED2 flashing</translation>
    </message>
    <message>
        <source>LED1 Modbus, LED2 nesvítí</source>
        <translation>LED1 Modbus, LED2 off</translation>
    </message>
    <message>
        <source>LED1 Modbus, LED2 svítí</source>
        <translation>LED1 Modbus, LED2 on</translation>
    </message>
    <message>
        <source>LED1 bliká, LED2 Modbus</source>
        <translation>LED1 flashing, LED2 Modbus</translation>
    </message>
    <message>
        <source>LED1 bliká, LED2 bliká</source>
        <translation>LED1 flashing, LED2 flashing</translation>
    </message>
    <message>
        <source>LED1 bliká, LED2 nesvítí</source>
        <translation>LED1 flashing, LED2 off</translation>
    </message>
    <message>
        <source>LED1 nesvítí, LED2 Modbus</source>
        <translation>LED1 off, LED2 Modbus</translation>
    </message>
    <message>
        <source>LED1 nesvítí, LED2 bliká</source>
        <translation>LED1 off, LED2 flashing</translation>
    </message>
    <message>
        <source>LED1 nesvítí, LED2 nesvítí</source>
        <translation>LED1 off, LED2 off</translation>
    </message>
    <message>
        <source>LED1 nesvítí, LED2 svítí</source>
        <translation>LED1 off, LED2 on</translation>
    </message>
    <message>
        <source>LED1 svítí, LED2 Modbus</source>
        <translation>LED1 on, LED2 Modbus</translation>
    </message>
    <message>
        <source>LED1 svítí, LED2 nesvítí</source>
        <translation>LED1 on, LED2 off</translation>
    </message>
    <message>
        <source>LED1 svítí, LED2 svítí</source>
        <translation>LED1 on, LED2 on</translation>
    </message>
    <message>
        <source>even</source>
        <translation>even</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>template 141</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Proud [mA]</source>
        <translation>Current [mA]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Načíst EHDQ8</source>
        <translation>Read EHDQ8</translation>
    </message>
    <message>
        <source>Zapsat EHDQ8</source>
        <translation>Write EHDQ8</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source> 1200Bd</source>
        <translation> 1200Bd</translation>
    </message>
    <message>
        <source> 2400Bd</source>
        <translation> 2400Bd</translation>
    </message>
    <message>
        <source> 4800Bd</source>
        <translation> 4800Bd</translation>
    </message>
    <message>
        <source> 9600Bd</source>
        <translation> 9600Bd</translation>
    </message>
    <message>
        <source>19200Bd</source>
        <translation>19200Bd</translation>
    </message>
    <message>
        <source>38400Bd</source>
        <translation>38400Bd</translation>
    </message>
    <message>
        <source>57600Bd</source>
        <translation>57600Bd</translation>
    </message>
    <message>
        <source>even</source>
        <translation>even</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>odd</translation>
    </message>
</context>
<context>
    <name>template 142</name>
    <message>
        <source>Analogový výstup 1</source>
        <translation>Analog output 1</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Vstup Lo [lx]</source>
        <translation>Input Lo [lx]</translation>
    </message>
    <message>
        <source>Vstup Hi [lx]</source>
        <translation>Input Hi [lx]</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Safety hod. [V]</source>
        <translation>Safety value [V]</translation>
    </message>
    <message>
        <source>Analogový výstup 2</source>
        <translation>Analog output 2</translation>
    </message>
    <message>
        <source>Vstup Lo PIR</source>
        <translation>Input Lo PIR</translation>
    </message>
    <message>
        <source>Vstup Hi PIR</source>
        <translation>Input Hi PIR</translation>
    </message>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Osvětlení [lx]</source>
        <translation>Illuminance [lx]</translation>
    </message>
    <message>
        <source>Korekce Transparence</source>
        <translation>Transp. correction</translation>
    </message>
    <message>
        <source>Displej</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Kontrast LCD</source>
        <translation>LCD contrast</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Načíst NDEUP</source>
        <translation>Read NDEUP</translation>
    </message>
    <message>
        <source>Zapsat NDEUP</source>
        <translation>Write NDEUP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 145</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Načíst BBH8L</source>
        <translation>Read BBH8L</translation>
    </message>
    <message>
        <source>Zapsat BBH8L</source>
        <translation>Write BBH8L</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 146</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Načíst NQAZ</source>
        <translation>Read NQAZ</translation>
    </message>
    <message>
        <source>Zapsat NQAZ</source>
        <translation>Write NQAZ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 147</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Načíst MZP</source>
        <translation>Read MZP</translation>
    </message>
    <message>
        <source>Zapsat MZP</source>
        <translation>Write MZP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 148</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Načíst LDRS</source>
        <translation>Read LDRS</translation>
    </message>
    <message>
        <source>Zapsat LDRS</source>
        <translation>Write LDRS</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 149</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Aktivace ventilátoru</source>
        <translation>Fan activation</translation>
    </message>
    <message>
        <source>Aktivovat ventilátor</source>
        <translation>Activate fan</translation>
    </message>
    <message>
        <source>Načíst NBBSZ</source>
        <translation>Read NBBSZ</translation>
    </message>
    <message>
        <source>Zapsat NBBSZ</source>
        <translation>Write NBBSZ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source> 1200Bd</source>
        <translation> 1200Bd</translation>
    </message>
    <message>
        <source> 2400Bd</source>
        <translation> 2400Bd</translation>
    </message>
    <message>
        <source> 4800Bd</source>
        <translation> 4800Bd</translation>
    </message>
    <message>
        <source> 9600Bd</source>
        <translation> 9600Bd</translation>
    </message>
    <message>
        <source>19200Bd</source>
        <translation>19200Bd</translation>
    </message>
    <message>
        <source>38400Bd</source>
        <translation>38400Bd</translation>
    </message>
    <message>
        <source>57600Bd</source>
        <translation>57600Bd</translation>
    </message>
</context>
<context>
    <name>template 150</name>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Aktivace ventilátoru</source>
        <translation>Fan activation</translation>
    </message>
    <message>
        <source>Aktivovat ventilátor</source>
        <translation>Activate fan</translation>
    </message>
    <message>
        <source>Načíst NBBVK</source>
        <translation>Read NBBVK</translation>
    </message>
    <message>
        <source>Zapsat NBBVK</source>
        <translation>Write NBBVK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 151</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Povolení Menu</source>
        <translation>Menu enabled</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Teplota - konfigurační parametry</source>
        <translation>Temperature - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [°C]</source>
        <translation>Lower limit [°C]</translation>
    </message>
    <message>
        <source>Horní limit [°C]</source>
        <translation>Upper limit [°C]</translation>
    </message>
    <message>
        <source>Žádaná [°C]</source>
        <translation>Setpoint [°C]</translation>
    </message>
    <message>
        <source>Korekce Teploty</source>
        <translation>Temperature correction</translation>
    </message>
    <message>
        <source>Žádaná Teplota</source>
        <translation>Setpoint temperature</translation>
    </message>
    <message>
        <source>Bargraf</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>Relativní</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Vlhkost - konfigurační parametry</source>
        <translation>Humidity - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [%RH]</source>
        <translation>Lower limit [%RH]</translation>
    </message>
    <message>
        <source>Horní limit [%RH]</source>
        <translation>Upper limit [%RH]</translation>
    </message>
    <message>
        <source>Žádaná [%RH]</source>
        <translation>Setpoint [%RH]</translation>
    </message>
    <message>
        <source>Korekce Vlhkosti</source>
        <translation>Humidity correction</translation>
    </message>
    <message>
        <source>Žádaná Vlhkosti</source>
        <translation>Setpoint humidity</translation>
    </message>
    <message>
        <source>Absolutní</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>Nastavení šetřiče LCD</source>
        <translation>LCD saver setting</translation>
    </message>
    <message>
        <source>Podsvícení neaktivní LCD</source>
        <translation>Idle LCD backlight</translation>
    </message>
    <message>
        <source>Čas aktivního LCD</source>
        <translation>LCD active time</translation>
    </message>
    <message>
        <source>Rychlá volba</source>
        <translation>Quick choice</translation>
    </message>
    <message>
        <source>Prostřední tlačítko</source>
        <translation>Middle button</translation>
    </message>
    <message>
        <source>Spodní tlačítko</source>
        <translation>Bottom button</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Nastavení barev</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>Vlevo</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Uprostřed</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Vpravo</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Měřená Teplota</source>
        <translation>Measured temp.</translation>
    </message>
    <message>
        <source>Měřená Vlhkost</source>
        <translation>Measured humidity</translation>
    </message>
    <message>
        <source>Režim 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Propojení s LCD</source>
        <translation>Link to LCD</translation>
    </message>
    <message>
        <source>Počet stavů</source>
        <translation>Number of states</translation>
    </message>
    <message>
        <source>Symbol 1</source>
        <translation>Symbol 1</translation>
    </message>
    <message>
        <source>Symbol 2</source>
        <translation>Symbol 2</translation>
    </message>
    <message>
        <source>Symbol 3</source>
        <translation>Symbol 3</translation>
    </message>
    <message>
        <source>Symbol 4</source>
        <translation>Symbol 4</translation>
    </message>
    <message>
        <source>Symbol 5</source>
        <translation>Symbol 5</translation>
    </message>
    <message>
        <source>Symbol 6</source>
        <translation>Symbol 6</translation>
    </message>
    <message>
        <source>Symbol 7</source>
        <translation>Symbol 7</translation>
    </message>
    <message>
        <source>Symbol 8</source>
        <translation>Symbol 8</translation>
    </message>
    <message>
        <source>Symbol 9</source>
        <translation>Symbol 9</translation>
    </message>
    <message>
        <source>Symbol 10</source>
        <translation>Symbol 10</translation>
    </message>
    <message>
        <source>Symbol 11</source>
        <translation>Symbol 11</translation>
    </message>
    <message>
        <source>Symbol 12</source>
        <translation>Symbol 12</translation>
    </message>
    <message>
        <source>Symbol 13</source>
        <translation>Symbol 13</translation>
    </message>
    <message>
        <source>Symbol 14</source>
        <translation>Symbol 14</translation>
    </message>
    <message>
        <source>Symbol 15</source>
        <translation>Symbol 15</translation>
    </message>
    <message>
        <source>Symbol 16</source>
        <translation>Symbol 16</translation>
    </message>
    <message>
        <source>Režim 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Režim 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>Načíst BBH7QS</source>
        <translation>Read BBH7QS</translation>
    </message>
    <message>
        <source>Zapsat BBH7QS</source>
        <translation>Write BBH7QS</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source> 1200Bd</source>
        <translation> 1200Bd</translation>
    </message>
    <message>
        <source> 2400Bd</source>
        <translation> 2400Bd</translation>
    </message>
    <message>
        <source> 4800Bd</source>
        <translation> 4800Bd</translation>
    </message>
    <message>
        <source> 9600Bd</source>
        <translation> 9600Bd</translation>
    </message>
    <message>
        <source> odd</source>
        <translation> odd</translation>
    </message>
    <message>
        <source>10s</source>
        <translation>10s</translation>
    </message>
    <message>
        <source>15s</source>
        <translation>15s</translation>
    </message>
    <message>
        <source>19200Bd</source>
        <translation>19200Bd</translation>
    </message>
    <message>
        <source>20s</source>
        <translation>20s</translation>
    </message>
    <message>
        <source>25s</source>
        <translation>25s</translation>
    </message>
    <message>
        <source>30s</source>
        <translation>30s</translation>
    </message>
    <message>
        <source>35s</source>
        <translation>35s</translation>
    </message>
    <message>
        <source>38400Bd</source>
        <translation>38400Bd</translation>
    </message>
    <message>
        <source>40s</source>
        <translation>40s</translation>
    </message>
    <message>
        <source>45s</source>
        <translation>45s</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>50s</translation>
    </message>
    <message>
        <source>55s</source>
        <translation>55s</translation>
    </message>
    <message>
        <source>57600Bd</source>
        <translation>57600Bd</translation>
    </message>
    <message>
        <source>5s</source>
        <translation>5s</translation>
    </message>
    <message>
        <source>60s</source>
        <translation>60s</translation>
    </message>
    <message>
        <source>Konstantní</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>LCD nesvázán</source>
        <translation>Not linked to LCD</translation>
    </message>
    <message>
        <source>LCD střed</source>
        <translation>LCD centre</translation>
    </message>
    <message>
        <source>LCD vlevo</source>
        <translation>LCD left</translation>
    </message>
    <message>
        <source>LCD vpravo</source>
        <translation>LCD right</translation>
    </message>
    <message>
        <source>Neaktivní( )</source>
        <translation>Inactive( )</translation>
    </message>
    <message>
        <source>Režim 1 (M1)</source>
        <translation>Mode 1 (M1)</translation>
    </message>
    <message>
        <source>Režim 2 (M2)</source>
        <translation>Mode 2 (M2)</translation>
    </message>
    <message>
        <source>Režim 3 (M3)</source>
        <translation>Mode 3 (M3)</translation>
    </message>
    <message>
        <source>Teplota (T)</source>
        <translation>Temperature (T)</translation>
    </message>
    <message>
        <source>Vlhkost (H)</source>
        <translation>Humidity (H)</translation>
    </message>
    <message>
        <source>even</source>
        <translation>even</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Žádný</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>template 152</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Povolení Menu</source>
        <translation>Menu enabled</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Teplota - konfigurační parametry</source>
        <translation>Temperature - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [°C]</source>
        <translation>Lower limit [°C]</translation>
    </message>
    <message>
        <source>Horní limit [°C]</source>
        <translation>Upper limit [°C]</translation>
    </message>
    <message>
        <source>Žádaná [°C]</source>
        <translation>Setpoint [°C]</translation>
    </message>
    <message>
        <source>Bargraf</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>Relativní</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Vlhkost - konfigurační parametry</source>
        <translation>Humidity - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [%RH]</source>
        <translation>Lower limit [%RH]</translation>
    </message>
    <message>
        <source>Horní limit [%RH]</source>
        <translation>Upper limit [%RH]</translation>
    </message>
    <message>
        <source>Žádaná [%RH]</source>
        <translation>Setpoint [%RH]</translation>
    </message>
    <message>
        <source>Absolutní</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>Nastavení šetřiče LCD</source>
        <translation>LCD saver setting</translation>
    </message>
    <message>
        <source>Podsvícení neaktivní LCD [%]</source>
        <translation>Idle LCD backlight [%]</translation>
    </message>
    <message>
        <source>Ve dne</source>
        <translation>By day</translation>
    </message>
    <message>
        <source>V noci</source>
        <translation>At night</translation>
    </message>
    <message>
        <source>Čas aktivního displeje [s]</source>
        <translation>Display active time [s]</translation>
    </message>
    <message>
        <source>Nastevení limitů pro přepínání podsvícení</source>
        <translation>Backlight switching limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Nastavení barev</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>Měřená Teplota</source>
        <translation>Measured temp.</translation>
    </message>
    <message>
        <source>Měřená Vlhkost</source>
        <translation>Measured humidity</translation>
    </message>
    <message>
        <source>Symbol 1</source>
        <translation>Symbol 1</translation>
    </message>
    <message>
        <source>Symbol 2</source>
        <translation>Symbol 2</translation>
    </message>
    <message>
        <source>Symbol 3</source>
        <translation>Symbol 3</translation>
    </message>
    <message>
        <source>Symbol 4</source>
        <translation>Symbol 4</translation>
    </message>
    <message>
        <source>Režim 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Propojení s LCD</source>
        <translation>Link to LCD</translation>
    </message>
    <message>
        <source>Počet stavů</source>
        <translation>Number of states</translation>
    </message>
    <message>
        <source>Symbol 5</source>
        <translation>Symbol 5</translation>
    </message>
    <message>
        <source>Symbol 6</source>
        <translation>Symbol 6</translation>
    </message>
    <message>
        <source>Symbol 7</source>
        <translation>Symbol 7</translation>
    </message>
    <message>
        <source>Symbol 8</source>
        <translation>Symbol 8</translation>
    </message>
    <message>
        <source>Symbol 9</source>
        <translation>Symbol 9</translation>
    </message>
    <message>
        <source>Symbol 10</source>
        <translation>Symbol 10</translation>
    </message>
    <message>
        <source>Symbol 11</source>
        <translation>Symbol 11</translation>
    </message>
    <message>
        <source>Symbol 12</source>
        <translation>Symbol 12</translation>
    </message>
    <message>
        <source>Symbol 13</source>
        <translation>Symbol 13</translation>
    </message>
    <message>
        <source>Symbol 14</source>
        <translation>Symbol 14</translation>
    </message>
    <message>
        <source>Symbol 15</source>
        <translation>Symbol 15</translation>
    </message>
    <message>
        <source>Symbol 16</source>
        <translation>Symbol 16</translation>
    </message>
    <message>
        <source>Režim 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Režim 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>Režim 4</source>
        <translation>Mode 4</translation>
    </message>
    <message>
        <source>Načíst UCVWW7Q</source>
        <translation>Read UCVWW7Q</translation>
    </message>
    <message>
        <source>Zapsat UCVWW7Q</source>
        <translation>Write UCVWW7Q</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 153</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Povolení Menu</source>
        <translation>Menu enabled</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Teplota - konfigurační parametry</source>
        <translation>Temperature - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [°C]</source>
        <translation>Lower limit [°C]</translation>
    </message>
    <message>
        <source>Horní limit [°C]</source>
        <translation>Upper limit [°C]</translation>
    </message>
    <message>
        <source>Žádaná [°C]</source>
        <translation>Setpoint [°C]</translation>
    </message>
    <message>
        <source>Bargraf</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>Relativní</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Nastavení šetřiče LCD</source>
        <translation>LCD saver setting</translation>
    </message>
    <message>
        <source>Podsvícení neaktivní LCD [%]</source>
        <translation>Idle LCD backlight [%]</translation>
    </message>
    <message>
        <source>Ve dne</source>
        <translation>By day</translation>
    </message>
    <message>
        <source>V noci</source>
        <translation>At night</translation>
    </message>
    <message>
        <source>Čas aktivního displeje [s]</source>
        <translation>Display active time [s]</translation>
    </message>
    <message>
        <source>Nastevení limitů pro přepínání podsvícení</source>
        <translation>Backlight switching limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Nastavení barev</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>Měřená Teplota</source>
        <translation>Measured temp.</translation>
    </message>
    <message>
        <source>Symbol 1</source>
        <translation>Symbol 1</translation>
    </message>
    <message>
        <source>Symbol 2</source>
        <translation>Symbol 2</translation>
    </message>
    <message>
        <source>Symbol 3</source>
        <translation>Symbol 3</translation>
    </message>
    <message>
        <source>Symbol 4</source>
        <translation>Symbol 4</translation>
    </message>
    <message>
        <source>Režim 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Propojení s LCD</source>
        <translation>Link to LCD</translation>
    </message>
    <message>
        <source>Počet stavů</source>
        <translation>Number of states</translation>
    </message>
    <message>
        <source>Symbol 5</source>
        <translation>Symbol 5</translation>
    </message>
    <message>
        <source>Symbol 6</source>
        <translation>Symbol 6</translation>
    </message>
    <message>
        <source>Symbol 7</source>
        <translation>Symbol 7</translation>
    </message>
    <message>
        <source>Symbol 8</source>
        <translation>Symbol 8</translation>
    </message>
    <message>
        <source>Symbol 9</source>
        <translation>Symbol 9</translation>
    </message>
    <message>
        <source>Symbol 10</source>
        <translation>Symbol 10</translation>
    </message>
    <message>
        <source>Symbol 11</source>
        <translation>Symbol 11</translation>
    </message>
    <message>
        <source>Symbol 12</source>
        <translation>Symbol 12</translation>
    </message>
    <message>
        <source>Symbol 13</source>
        <translation>Symbol 13</translation>
    </message>
    <message>
        <source>Symbol 14</source>
        <translation>Symbol 14</translation>
    </message>
    <message>
        <source>Symbol 15</source>
        <translation>Symbol 15</translation>
    </message>
    <message>
        <source>Symbol 16</source>
        <translation>Symbol 16</translation>
    </message>
    <message>
        <source>Režim 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Režim 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>Režim 4</source>
        <translation>Mode 4</translation>
    </message>
    <message>
        <source>Načíst UCMXB7K</source>
        <translation>Read UCMXB7K</translation>
    </message>
    <message>
        <source>Zapsat UCMXB7K</source>
        <translation>Write UCMXB7K</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 154</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Konc. CO2 [ppm]</source>
        <translation>CO2 conc. [ppm]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Povolení Menu</source>
        <translation>Menu enabled</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Teplota - konfigurační parametry</source>
        <translation>Temperature - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [°C]</source>
        <translation>Lower limit [°C]</translation>
    </message>
    <message>
        <source>Horní limit [°C]</source>
        <translation>Upper limit [°C]</translation>
    </message>
    <message>
        <source>Žádaná [°C]</source>
        <translation>Setpoint [°C]</translation>
    </message>
    <message>
        <source>Bargraf</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>Relativní</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Vlhkost - konfigurační parametry</source>
        <translation>Humidity - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [%RH]</source>
        <translation>Lower limit [%RH]</translation>
    </message>
    <message>
        <source>Horní limit [%RH]</source>
        <translation>Upper limit [%RH]</translation>
    </message>
    <message>
        <source>Žádaná [%RH]</source>
        <translation>Setpoint [%RH]</translation>
    </message>
    <message>
        <source>Absolutní</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>Koncentrace CO2 - konfigurační parametry</source>
        <translation>CO2 concentration - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [ppm]</source>
        <translation>Lower limit [ppm]</translation>
    </message>
    <message>
        <source>Horní limit [ppm]</source>
        <translation>Upper limit [ppm]</translation>
    </message>
    <message>
        <source>Žádaná [ppm]</source>
        <translation>Setpoint [ppm]</translation>
    </message>
    <message>
        <source>Konstantní</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>Limity indikace CO2</source>
        <translation>CO2 indication limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Zápis kalibrační hodnoty</source>
        <translation>Calibration value entry</translation>
    </message>
    <message>
        <source>Kalibrační hodnota</source>
        <translation>Calibration value</translation>
    </message>
    <message>
        <source>Zapsat kalibraci</source>
        <translation>Write calibration</translation>
    </message>
    <message>
        <source>Nastavení šetřiče LCD</source>
        <translation>LCD saver setting</translation>
    </message>
    <message>
        <source>Podsvícení neaktivní LCD [%]</source>
        <translation>Idle LCD backlight [%]</translation>
    </message>
    <message>
        <source>Ve dne</source>
        <translation>By day</translation>
    </message>
    <message>
        <source>V noci</source>
        <translation>At night</translation>
    </message>
    <message>
        <source>Čas aktivního displeje [s]</source>
        <translation>Display active time [s]</translation>
    </message>
    <message>
        <source>Nastevení limitů pro přepínání podsvícení</source>
        <translation>Backlight switching limits</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Nastavení barev</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>Měřená Teplota</source>
        <translation>Measured temp.</translation>
    </message>
    <message>
        <source>Měřená Vlhkost</source>
        <translation>Measured humidity</translation>
    </message>
    <message>
        <source>Měřená konc. CO2</source>
        <translation>Measured CO2 conc.</translation>
    </message>
    <message>
        <source>Symbol 1</source>
        <translation>Symbol 1</translation>
    </message>
    <message>
        <source>Symbol 2</source>
        <translation>Symbol 2</translation>
    </message>
    <message>
        <source>Symbol 3</source>
        <translation>Symbol 3</translation>
    </message>
    <message>
        <source>Symbol 4</source>
        <translation>Symbol 4</translation>
    </message>
    <message>
        <source>Režim 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Propojení s LCD</source>
        <translation>Link to LCD</translation>
    </message>
    <message>
        <source>Počet stavů</source>
        <translation>Number of states</translation>
    </message>
    <message>
        <source>Symbol 5</source>
        <translation>Symbol 5</translation>
    </message>
    <message>
        <source>Symbol 6</source>
        <translation>Symbol 6</translation>
    </message>
    <message>
        <source>Symbol 7</source>
        <translation>Symbol 7</translation>
    </message>
    <message>
        <source>Symbol 8</source>
        <translation>Symbol 8</translation>
    </message>
    <message>
        <source>Symbol 9</source>
        <translation>Symbol 9</translation>
    </message>
    <message>
        <source>Symbol 10</source>
        <translation>Symbol 10</translation>
    </message>
    <message>
        <source>Symbol 11</source>
        <translation>Symbol 11</translation>
    </message>
    <message>
        <source>Symbol 12</source>
        <translation>Symbol 12</translation>
    </message>
    <message>
        <source>Symbol 13</source>
        <translation>Symbol 13</translation>
    </message>
    <message>
        <source>Symbol 14</source>
        <translation>Symbol 14</translation>
    </message>
    <message>
        <source>Symbol 15</source>
        <translation>Symbol 15</translation>
    </message>
    <message>
        <source>Symbol 16</source>
        <translation>Symbol 16</translation>
    </message>
    <message>
        <source>Režim 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Režim 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>Režim 4</source>
        <translation>Mode 4</translation>
    </message>
    <message>
        <source>Načíst UCRGJ6Y</source>
        <translation>Read UCRGJ6Y</translation>
    </message>
    <message>
        <source>Zapsat UCRGJ6Y</source>
        <translation>Write UCRGJ6Y</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source> 1200Bd</source>
        <translation> 1200Bd</translation>
    </message>
    <message>
        <source> 2400Bd</source>
        <translation> 2400Bd</translation>
    </message>
    <message>
        <source> 4800Bd</source>
        <translation> 4800Bd</translation>
    </message>
    <message>
        <source> 9600Bd</source>
        <translation> 9600Bd</translation>
    </message>
    <message>
        <source> odd</source>
        <translation> odd</translation>
    </message>
    <message>
        <source>10s</source>
        <translation>10s</translation>
    </message>
    <message>
        <source>15s</source>
        <translation>15s</translation>
    </message>
    <message>
        <source>19200Bd</source>
        <translation>19200Bd</translation>
    </message>
    <message>
        <source>20s</source>
        <translation>20s</translation>
    </message>
    <message>
        <source>25s</source>
        <translation>25s</translation>
    </message>
    <message>
        <source>30s</source>
        <translation>30s</translation>
    </message>
    <message>
        <source>35s</source>
        <translation>35s</translation>
    </message>
    <message>
        <source>38400Bd</source>
        <translation>38400Bd</translation>
    </message>
    <message>
        <source>40s</source>
        <translation>40s</translation>
    </message>
    <message>
        <source>45s</source>
        <translation>45s</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>50s</translation>
    </message>
    <message>
        <source>55s</source>
        <translation>55s</translation>
    </message>
    <message>
        <source>57600Bd</source>
        <translation>57600Bd</translation>
    </message>
    <message>
        <source>5s</source>
        <translation>5s</translation>
    </message>
    <message>
        <source>60s</source>
        <translation>60s</translation>
    </message>
    <message>
        <source>LCD nesvázán</source>
        <translation>Not linked to LCD</translation>
    </message>
    <message>
        <source>even</source>
        <translation>even</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Žádný</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>template 155</name>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Načíst NQKZ</source>
        <translation>Read NQKZ</translation>
    </message>
    <message>
        <source>Zapsat NQKZ</source>
        <translation>Write NQKZ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 156</name>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Načíst MJD</source>
        <translation>Read MJD</translation>
    </message>
    <message>
        <source>Zapsat MJD</source>
        <translation>Write MJD</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 157</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Povolení Menu</source>
        <translation>Menu enabled</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Teplota - konfigurační parametry</source>
        <translation>Temperature - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [°C]</source>
        <translation>Lower limit [°C]</translation>
    </message>
    <message>
        <source>Horní limit [°C]</source>
        <translation>Upper limit [°C]</translation>
    </message>
    <message>
        <source>Žádaná [°C]</source>
        <translation>Setpoint [°C]</translation>
    </message>
    <message>
        <source>Bargraf</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>Relativní</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Vlhkost - konfigurační parametry</source>
        <translation>Humidity - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [%RH]</source>
        <translation>Lower limit [%RH]</translation>
    </message>
    <message>
        <source>Horní limit [%RH]</source>
        <translation>Upper limit [%RH]</translation>
    </message>
    <message>
        <source>Žádaná [%RH]</source>
        <translation>Setpoint [%RH]</translation>
    </message>
    <message>
        <source>Absolutní</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>TVOC - konfigurační parametry</source>
        <translation>TVOC - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [ppb]</source>
        <translation>Lower limit [ppb]</translation>
    </message>
    <message>
        <source>Horní limit [ppb]</source>
        <translation>Upper limit [ppb]</translation>
    </message>
    <message>
        <source>Žádaná [ppb]</source>
        <translation>Setpoint [ppb]</translation>
    </message>
    <message>
        <source>Konstantní</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>Nastavení šetřiče LCD</source>
        <translation>LCD saver setting</translation>
    </message>
    <message>
        <source>Podsvícení neaktivní LCD [%]</source>
        <translation>Idle LCD backlight [%]</translation>
    </message>
    <message>
        <source>Ve dne</source>
        <translation>By day</translation>
    </message>
    <message>
        <source>V noci</source>
        <translation>At night</translation>
    </message>
    <message>
        <source>Čas aktivního displeje [s]</source>
        <translation>Display active time [s]</translation>
    </message>
    <message>
        <source>Nastevení limitů pro přepínání podsvícení</source>
        <translation>Backlight switching limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Nastavení barev</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>Měřená Teplota</source>
        <translation>Measured temp.</translation>
    </message>
    <message>
        <source>Měřená Vlhkost</source>
        <translation>Measured humidity</translation>
    </message>
    <message>
        <source>Měřená konc. VOC</source>
        <translation>Measured VOC conc.</translation>
    </message>
    <message>
        <source>Symbol 1</source>
        <translation>Symbol 1</translation>
    </message>
    <message>
        <source>Symbol 2</source>
        <translation>Symbol 2</translation>
    </message>
    <message>
        <source>Symbol 3</source>
        <translation>Symbol 3</translation>
    </message>
    <message>
        <source>Symbol 4</source>
        <translation>Symbol 4</translation>
    </message>
    <message>
        <source>Režim 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Propojení s LCD</source>
        <translation>Link to LCD</translation>
    </message>
    <message>
        <source>Počet stavů</source>
        <translation>Number of states</translation>
    </message>
    <message>
        <source>Symbol 5</source>
        <translation>Symbol 5</translation>
    </message>
    <message>
        <source>Symbol 6</source>
        <translation>Symbol 6</translation>
    </message>
    <message>
        <source>Symbol 7</source>
        <translation>Symbol 7</translation>
    </message>
    <message>
        <source>Symbol 8</source>
        <translation>Symbol 8</translation>
    </message>
    <message>
        <source>Symbol 9</source>
        <translation>Symbol 9</translation>
    </message>
    <message>
        <source>Symbol 10</source>
        <translation>Symbol 10</translation>
    </message>
    <message>
        <source>Symbol 11</source>
        <translation>Symbol 11</translation>
    </message>
    <message>
        <source>Symbol 12</source>
        <translation>Symbol 12</translation>
    </message>
    <message>
        <source>Symbol 13</source>
        <translation>Symbol 13</translation>
    </message>
    <message>
        <source>Symbol 14</source>
        <translation>Symbol 14</translation>
    </message>
    <message>
        <source>Symbol 15</source>
        <translation>Symbol 15</translation>
    </message>
    <message>
        <source>Symbol 16</source>
        <translation>Symbol 16</translation>
    </message>
    <message>
        <source>Režim 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Režim 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>Režim 4</source>
        <translation>Mode 4</translation>
    </message>
    <message>
        <source>Načíst UCBCN7U</source>
        <translation>Read UCBCN7U</translation>
    </message>
    <message>
        <source>Zapsat UCBCN7U</source>
        <translation>Write UCBCN7U</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 158</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Konc. CO2 [ppm]</source>
        <translation>CO2 conc. [ppm]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Limity indikace CO2</source>
        <translation>CO2 indication limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Zápis kalibrační hodnoty</source>
        <translation>Calibration value entry</translation>
    </message>
    <message>
        <source>Kalibrační hodnota</source>
        <translation>Calibration value</translation>
    </message>
    <message>
        <source>Zapsat kalibraci</source>
        <translation>Write calibration</translation>
    </message>
    <message>
        <source>Načíst UC-RGJ-H</source>
        <translation>Read UC-RGJ-H</translation>
    </message>
    <message>
        <source>Zapsat UC-RGJ-H</source>
        <translation>Write UC-RGJ-H</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 159</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>LCD</source>
        <translation>LCD</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Nastavení šetřiče LCD</source>
        <translation>LCD saver setting</translation>
    </message>
    <message>
        <source>Podsvícení neaktivní LCD</source>
        <translation>Idle LCD backlight</translation>
    </message>
    <message>
        <source>Ve dne</source>
        <translation>By day</translation>
    </message>
    <message>
        <source>V noci</source>
        <translation>At night</translation>
    </message>
    <message>
        <source>Čas aktivního LCD</source>
        <translation>LCD active time</translation>
    </message>
    <message>
        <source>Výstup 1</source>
        <translation>Output 1</translation>
    </message>
    <message>
        <source>Vstup Lo [°C]</source>
        <translation>Input Lo [°C]</translation>
    </message>
    <message>
        <source>Vstup Hi [°C]</source>
        <translation>Input Hi [°C]</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Inicializační hodnota</source>
        <translation>Initial value</translation>
    </message>
    <message>
        <source>Výstup 2</source>
        <translation>Output 2</translation>
    </message>
    <message>
        <source>Vstup Lo [%RH]</source>
        <translation>Input Lo [%RH]</translation>
    </message>
    <message>
        <source>Vstup Hi [%RH]</source>
        <translation>Input Hi [%RH]</translation>
    </message>
    <message>
        <source>Nastavení barev</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>Měřená Teplota</source>
        <translation>Measured temp.</translation>
    </message>
    <message>
        <source>Měřená Vlhkost</source>
        <translation>Measured humidity</translation>
    </message>
    <message>
        <source>Nastevení limitů pro přepínání podsvícení</source>
        <translation>Backlight switching limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Načíst UCVWC</source>
        <translation>Read UCVWC</translation>
    </message>
    <message>
        <source>Zapsat UCVWC</source>
        <translation>Write UCVWC</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 160</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Konc. CO2 [ppm]</source>
        <translation>CO2 conc. [ppm]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>LCD</source>
        <translation>LCD</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Nastavení šetřiče LCD</source>
        <translation>LCD saver setting</translation>
    </message>
    <message>
        <source>Podsvícení neaktivní LCD</source>
        <translation>Idle LCD backlight</translation>
    </message>
    <message>
        <source>Ve dne</source>
        <translation>By day</translation>
    </message>
    <message>
        <source>V noci</source>
        <translation>At night</translation>
    </message>
    <message>
        <source>Čas aktivního LCD</source>
        <translation>LCD active time</translation>
    </message>
    <message>
        <source>Výstup 1</source>
        <translation>Output 1</translation>
    </message>
    <message>
        <source>Teplota</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Vlhkost</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Vstup Lo [°C]</source>
        <translation>Input Lo [°C]</translation>
    </message>
    <message>
        <source>Vstup Hi [°C]</source>
        <translation>Input Hi [°C]</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Inicializační hodnota</source>
        <translation>Initial value</translation>
    </message>
    <message>
        <source>Výstup 2</source>
        <translation>Output 2</translation>
    </message>
    <message>
        <source>Vstup Lo [ppm]</source>
        <translation>Input Lo [ppm]</translation>
    </message>
    <message>
        <source>Vstup Hi [ppm]</source>
        <translation>Input Hi [ppm]</translation>
    </message>
    <message>
        <source>Nastavení barev</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>Měřená Teplota</source>
        <translation>Measured temp.</translation>
    </message>
    <message>
        <source>Měřená Vlhkost</source>
        <translation>Measured humidity</translation>
    </message>
    <message>
        <source>Měřená konc.CO2</source>
        <translation>Measured CO2 conc.</translation>
    </message>
    <message>
        <source>Limity indikace CO2</source>
        <translation>CO2 indication limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Zápis kalibrační hodnoty</source>
        <translation>Calibration value entry</translation>
    </message>
    <message>
        <source>Kalibrační hodnota</source>
        <translation>Calibration value</translation>
    </message>
    <message>
        <source>Zápsat kalibraci</source>
        <translation>Write calibration</translation>
    </message>
    <message>
        <source>Nastevení limitů pro přepínání podsvícení</source>
        <translation>Backlight switching limits</translation>
    </message>
    <message>
        <source>Načíst UCRGQ</source>
        <translation>Read UCRGQ</translation>
    </message>
    <message>
        <source>Zapsat UCRGQ</source>
        <translation>Write UCRGQ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>10s</source>
        <translation>10s</translation>
    </message>
    <message>
        <source>15s</source>
        <translation>15s</translation>
    </message>
    <message>
        <source>20s</source>
        <translation>20s</translation>
    </message>
    <message>
        <source>25s</source>
        <translation>25s</translation>
    </message>
    <message>
        <source>30s</source>
        <translation>30s</translation>
    </message>
    <message>
        <source>35s</source>
        <translation>35s</translation>
    </message>
    <message>
        <source>40s</source>
        <translation>40s</translation>
    </message>
    <message>
        <source>45s</source>
        <translation>45s</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>50s</translation>
    </message>
    <message>
        <source>55s</source>
        <translation>55s</translation>
    </message>
    <message>
        <source>5s</source>
        <translation>5s</translation>
    </message>
    <message>
        <source>60s</source>
        <translation>60s</translation>
    </message>
    <message>
        <source>Safety hod. [V]</source>
        <translation>Safety value [V]</translation>
    </message>
    <message>
        <source>Safety hod. [mA]</source>
        <translation>Safety value [mA]</translation>
    </message>
    <message>
        <source>Vstup Hi [%RH]</source>
        <translation>Input Hi [%RH]</translation>
    </message>
    <message>
        <source>Vstup Lo [%RH]</source>
        <translation>Input Lo [%RH]</translation>
    </message>
    <message>
        <source>Výstup Hi [mA]</source>
        <translation>Output Hi [mA]</translation>
    </message>
    <message>
        <source>Výstup Lo [mA]</source>
        <translation>Output Lo [mA]</translation>
    </message>
</context>
<context>
    <name>template 161</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>LCD</source>
        <translation>LCD</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Nastavení šetřiče LCD</source>
        <translation>LCD saver setting</translation>
    </message>
    <message>
        <source>Podsvícení neaktivní LCD</source>
        <translation>Idle LCD backlight</translation>
    </message>
    <message>
        <source>Ve dne</source>
        <translation>By day</translation>
    </message>
    <message>
        <source>V noci</source>
        <translation>At night</translation>
    </message>
    <message>
        <source>Čas aktivního LCD</source>
        <translation>LCD active time</translation>
    </message>
    <message>
        <source>Výstup 1</source>
        <translation>Output 1</translation>
    </message>
    <message>
        <source>Teplota</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Vlhkost</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Vstup Lo [°C]</source>
        <translation>Input Lo [°C]</translation>
    </message>
    <message>
        <source>Vstup Hi [°C]</source>
        <translation>Input Hi [°C]</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Inicializační hodnota</source>
        <translation>Initial value</translation>
    </message>
    <message>
        <source>Výstup 2</source>
        <translation>Output 2</translation>
    </message>
    <message>
        <source>Vstup Lo [ppb]</source>
        <translation>Input Lo [ppb]</translation>
    </message>
    <message>
        <source>Vstup Hi [ppb]</source>
        <translation>Input Hi [ppb]</translation>
    </message>
    <message>
        <source>Nastavení barev</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>Měřená Teplota</source>
        <translation>Measured temp.</translation>
    </message>
    <message>
        <source>Měřená Vlhkost</source>
        <translation>Measured humidity</translation>
    </message>
    <message>
        <source>Měřená konc.VOC</source>
        <translation>Measured VOC conc.</translation>
    </message>
    <message>
        <source>Nastevení limitů pro přepínání podsvícení</source>
        <translation>Backlight switching limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Načíst UCBCM</source>
        <translation>Read UCBCM</translation>
    </message>
    <message>
        <source>Zapsat UCBCM</source>
        <translation>Write UCBCM</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 162</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Konc. CO2 [ppm]</source>
        <translation>CO2 conc. [ppm]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Výstup 1</source>
        <translation>Output 1</translation>
    </message>
    <message>
        <source>Teplota</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Vlhkost</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Vstup Lo [°C]</source>
        <translation>Input Lo [°C]</translation>
    </message>
    <message>
        <source>Vstup Hi [°C]</source>
        <translation>Input Hi [°C]</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Inicializační hodnota</source>
        <translation>Initial value</translation>
    </message>
    <message>
        <source>Výstup 2</source>
        <translation>Output 2</translation>
    </message>
    <message>
        <source>Vstup Lo [ppm]</source>
        <translation>Input Lo [ppm]</translation>
    </message>
    <message>
        <source>Vstup Hi [ppm]</source>
        <translation>Input Hi [ppm]</translation>
    </message>
    <message>
        <source>Limity indikace CO2</source>
        <translation>CO2 indication limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Zápis kalibrační hodnoty</source>
        <translation>Calibration value entry</translation>
    </message>
    <message>
        <source>Kalibrační hodnota</source>
        <translation>Calibration value</translation>
    </message>
    <message>
        <source>Zápsat kalibraci</source>
        <translation>Write calibration</translation>
    </message>
    <message>
        <source>Načíst UCRGQR</source>
        <translation>Read UCRGQR</translation>
    </message>
    <message>
        <source>Zapsat UCRGQR</source>
        <translation>Write UCRGQR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 163</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>LCD</source>
        <translation>LCD</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Nastavení šetřiče LCD</source>
        <translation>LCD saver setting</translation>
    </message>
    <message>
        <source>Podsvícení neaktivní LCD</source>
        <translation>Idle LCD backlight</translation>
    </message>
    <message>
        <source>Ve dne</source>
        <translation>By day</translation>
    </message>
    <message>
        <source>V noci</source>
        <translation>At night</translation>
    </message>
    <message>
        <source>Čas aktivního LCD</source>
        <translation>LCD active time</translation>
    </message>
    <message>
        <source>Výstup 1</source>
        <translation>Output 1</translation>
    </message>
    <message>
        <source>Vstup Lo [°C]</source>
        <translation>Input Lo [°C]</translation>
    </message>
    <message>
        <source>Vstup Hi [°C]</source>
        <translation>Input Hi [°C]</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Výstup Lo [V]</source>
        <translation>Output Lo [V]</translation>
    </message>
    <message>
        <source>Výstup Hi [V]</source>
        <translation>Output Hi [V]</translation>
    </message>
    <message>
        <source>Inicializační hodnota</source>
        <translation>Initial value</translation>
    </message>
    <message>
        <source>Výstup 2</source>
        <translation>Output 2</translation>
    </message>
    <message>
        <source>Teplota - konfigurační parametry</source>
        <translation>Temperature - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [°C]</source>
        <translation>Lower limit [°C]</translation>
    </message>
    <message>
        <source>Horní limit [°C]</source>
        <translation>Upper limit [°C]</translation>
    </message>
    <message>
        <source>Žádaná [°C]</source>
        <translation>Setpoint [°C]</translation>
    </message>
    <message>
        <source>Bargraf</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>Relativní</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Nastavení barev</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>Měřená Teplota</source>
        <translation>Measured temp.</translation>
    </message>
    <message>
        <source>Nastevení limitů pro přepínání podsvícení</source>
        <translation>Backlight switching limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Načíst UCMXH</source>
        <translation>Read UCMXH</translation>
    </message>
    <message>
        <source>Zapsat UCMXH</source>
        <translation>Write UCMXH</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>template 164</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Displej</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Kontrast LCD</source>
        <translation>LCD contrast</translation>
    </message>
    <message>
        <source>Vstupní signál</source>
        <translation>Input signal</translation>
    </message>
    <message>
        <source>Načíst N3TNT</source>
        <translation>Read N3TNT</translation>
    </message>
    <message>
        <source>Zapsat N3TNT</source>
        <translation>Write N3TNT</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source> 1200Bd</source>
        <translation> 1200Bd</translation>
    </message>
    <message>
        <source> 2400Bd</source>
        <translation> 2400Bd</translation>
    </message>
    <message>
        <source> 4800Bd</source>
        <translation> 4800Bd</translation>
    </message>
    <message>
        <source> 9600Bd</source>
        <translation> 9600Bd</translation>
    </message>
    <message>
        <source> odd</source>
        <translation> odd</translation>
    </message>
    <message>
        <source>19200Bd</source>
        <translation>19200Bd</translation>
    </message>
    <message>
        <source>38400Bd</source>
        <translation>38400Bd</translation>
    </message>
    <message>
        <source>57600Bd</source>
        <translation>57600Bd</translation>
    </message>
    <message>
        <source>Ni1000, 5000 ppm</source>
        <translation>Ni1000, 5000 ppm</translation>
    </message>
    <message>
        <source>Ni1000, 6180 ppm</source>
        <translation>Ni1000, 6180 ppm</translation>
    </message>
    <message>
        <source>Pt100, 3850 ppm</source>
        <translation>Pt100, 3850 ppm</translation>
    </message>
    <message>
        <source>Pt1000, 3850 ppm</source>
        <translation>Pt1000, 3850 ppm</translation>
    </message>
    <message>
        <source>even</source>
        <translation>even</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>template 336</name>
    <message>
        <source>Analog Inputs: Auto calibration</source>
        <translation>Analog Inputs: Auto calibration</translation>
    </message>
    <message>
        <source>HID ID</source>
        <translation>HID ID</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>FW Version</source>
        <translation>FW Version</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Protokol:</source>
        <translation>Report:</translation>
    </message>
    <message>
        <source>Calibartion Error :-(</source>
        <translation>Calibration error :-(</translation>
    </message>
    <message>
        <source>Calibartion finished :-)</source>
        <translation>Calibration finished :-)</translation>
    </message>
    <message>
        <source>Data save</source>
        <translation>Data saved</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Device: %1</translation>
    </message>
    <message>
        <source>Press CANCEL</source>
        <translation>Press CANCEL</translation>
    </message>
    <message>
        <source>RTD %1</source>
        <translation>RTD %1</translation>
    </message>
</context>
<context>
    <name>template 337</name>
    <message>
        <source>Posuv měřené hodnoty</source>
        <translation>Measured value offset</translation>
    </message>
    <message>
        <source>Teplota [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Vlhkost [%RH]</source>
        <translation>Humidity [%RH]</translation>
    </message>
    <message>
        <source>Konc. CO2 [ppm]</source>
        <translation>CO2 conc. [ppm]</translation>
    </message>
    <message>
        <source>Nastavení šetřiče LCD</source>
        <translation>LCD saver setting</translation>
    </message>
    <message>
        <source>Podsvícení neaktivní LCD</source>
        <translation>Idle LCD backlight</translation>
    </message>
    <message>
        <source>Čas aktivního LCD</source>
        <translation>LCD active time</translation>
    </message>
    <message>
        <source>Textové pole</source>
        <translation>Text field</translation>
    </message>
    <message>
        <source>Síťové nastavení</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parita</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Povolení Menu</source>
        <translation>Menu enabled</translation>
    </message>
    <message>
        <source>Menu nepřístupné</source>
        <translation>Menu locked</translation>
    </message>
    <message>
        <source>Rychlá volba</source>
        <translation>Quick choice</translation>
    </message>
    <message>
        <source>Prostřední tlačítko</source>
        <translation>Middle button</translation>
    </message>
    <message>
        <source>Spodní tlačítko</source>
        <translation>Bottom button</translation>
    </message>
    <message>
        <source>Teplota - konfigurační parametry</source>
        <translation>Temperature - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [°C]</source>
        <translation>Lower limit [°C]</translation>
    </message>
    <message>
        <source>Horní limit [°C]</source>
        <translation>Upper limit [°C]</translation>
    </message>
    <message>
        <source>Žádaná [°C]</source>
        <translation>Setpoint [°C]</translation>
    </message>
    <message>
        <source>Korekce Teploty</source>
        <translation>Temperature correction</translation>
    </message>
    <message>
        <source>Žádaná Teplota</source>
        <translation>Setpoint temperature</translation>
    </message>
    <message>
        <source>Bargraf</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>Relativní</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Vlhkost - konfigurační parametry</source>
        <translation>Humidity - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [%RH]</source>
        <translation>Lower limit [%RH]</translation>
    </message>
    <message>
        <source>Horní limit [%RH]</source>
        <translation>Upper limit [%RH]</translation>
    </message>
    <message>
        <source>Žádaná [%RH]</source>
        <translation>Setpoint [%RH]</translation>
    </message>
    <message>
        <source>Korekce Vlhkosti</source>
        <translation>Humidity correction</translation>
    </message>
    <message>
        <source>Žádaná Vlhkosti</source>
        <translation>Setpoint humidity</translation>
    </message>
    <message>
        <source>Absolutní</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>Koncentrace CO2 - konfigurační parametry</source>
        <translation>CO2 concentration - configuration</translation>
    </message>
    <message>
        <source>Spodní limit [%ppm]</source>
        <translation>Lower limit [%ppm]</translation>
    </message>
    <message>
        <source>Horní limit [%ppm]</source>
        <translation>Upper limit [%ppm]</translation>
    </message>
    <message>
        <source>Žádaná [%ppm]</source>
        <translation>Setpoint [%ppm]</translation>
    </message>
    <message>
        <source>Korekce Konc. CO2</source>
        <translation>CO2 conc. correction</translation>
    </message>
    <message>
        <source>Žádaná Konc. CO2</source>
        <translation>Setpoint CO2 conc.</translation>
    </message>
    <message>
        <source>Konstatní</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>Limity indikace CO2</source>
        <translation>CO2 indication limits</translation>
    </message>
    <message>
        <source>Spodní limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Horní limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Kalibrace CO2</source>
        <translation>CO2 calibration</translation>
    </message>
    <message>
        <source>Zákázat automatickou kalibraci</source>
        <translation>Disable automatic calibration</translation>
    </message>
    <message>
        <source>Digitální výstup</source>
        <translation>Digital output</translation>
    </message>
    <message>
        <source>Dvojstavový</source>
        <translation>Two-state</translation>
    </message>
    <message>
        <source>PWM výstup</source>
        <translation>PWM output</translation>
    </message>
    <message>
        <source>Počet kroků</source>
        <translation>Number of steps</translation>
    </message>
    <message>
        <source>Frekvence [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Perioda [ms]</source>
        <translation>Period [ms]</translation>
    </message>
    <message>
        <source>Nastavit</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Nastavení barev</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>Symboly</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <source>Měřená</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Vlevo</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Teplota</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Uprostřed</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Vlhkost</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Vpravo</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <source>Zápis kalibrační hodnoty</source>
        <translation>Calibration value entry</translation>
    </message>
    <message>
        <source>Kalibrační hodnota</source>
        <translation>Calibration value</translation>
    </message>
    <message>
        <source>Zápsat kalibraci</source>
        <translation>Write calibration</translation>
    </message>
    <message>
        <source>Režim 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Propojení s LCD</source>
        <translation>Link to LCD</translation>
    </message>
    <message>
        <source>Počet
stavů</source>
        <translation>Number
of states</translation>
    </message>
    <message>
        <source>Symbol 1</source>
        <translation>Symbol 1</translation>
    </message>
    <message>
        <source>Symbol 2</source>
        <translation>Symbol 2</translation>
    </message>
    <message>
        <source>Symbol 3</source>
        <translation>Symbol 3</translation>
    </message>
    <message>
        <source>Symbol 4</source>
        <translation>Symbol 4</translation>
    </message>
    <message>
        <source>Symbol 5</source>
        <translation>Symbol 5</translation>
    </message>
    <message>
        <source>Symbol 6</source>
        <translation>Symbol 6</translation>
    </message>
    <message>
        <source>Symbol 7</source>
        <translation>Symbol 7</translation>
    </message>
    <message>
        <source>Symbol 8</source>
        <translation>Symbol 8</translation>
    </message>
    <message>
        <source>Symbol 9</source>
        <translation>Symbol 9</translation>
    </message>
    <message>
        <source>Symbol 10</source>
        <translation>Symbol 10</translation>
    </message>
    <message>
        <source>Symbol 11</source>
        <translation>Symbol 11</translation>
    </message>
    <message>
        <source>Symbol 12</source>
        <translation>Symbol 12</translation>
    </message>
    <message>
        <source>Symbol 13</source>
        <translation>Symbol 13</translation>
    </message>
    <message>
        <source>Symbol 14</source>
        <translation>Symbol 14</translation>
    </message>
    <message>
        <source>Symbol 15</source>
        <translation>Symbol 15</translation>
    </message>
    <message>
        <source>Symbol 16</source>
        <translation>Symbol 16</translation>
    </message>
    <message>
        <source>Režim 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Režim 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>Načíst KDB7DY</source>
        <translation>Read KDB7DY</translation>
    </message>
    <message>
        <source>Zapsat KDB7DY</source>
        <translation>Write KDB7DY</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Otevřít Nastavení</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Uložit Nastavení</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Přednastavení</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source> 1200Bd</source>
        <translation> 1200Bd</translation>
    </message>
    <message>
        <source> 2400Bd</source>
        <translation> 2400Bd</translation>
    </message>
    <message>
        <source> 4800Bd</source>
        <translation> 4800Bd</translation>
    </message>
    <message>
        <source> 9600Bd</source>
        <translation> 9600Bd</translation>
    </message>
    <message>
        <source> odd</source>
        <translation> odd</translation>
    </message>
    <message>
        <source>10s</source>
        <translation>10s</translation>
    </message>
    <message>
        <source>15s</source>
        <translation>15s</translation>
    </message>
    <message>
        <source>19200Bd</source>
        <translation>19200Bd</translation>
    </message>
    <message>
        <source>20s</source>
        <translation>20s</translation>
    </message>
    <message>
        <source>25s</source>
        <translation>25s</translation>
    </message>
    <message>
        <source>30s</source>
        <translation>30s</translation>
    </message>
    <message>
        <source>35s</source>
        <translation>35s</translation>
    </message>
    <message>
        <source>38400Bd</source>
        <translation>38400Bd</translation>
    </message>
    <message>
        <source>40s</source>
        <translation>40s</translation>
    </message>
    <message>
        <source>45s</source>
        <translation>45s</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>50s</translation>
    </message>
    <message>
        <source>55s</source>
        <translation>55s</translation>
    </message>
    <message>
        <source>57600Bd</source>
        <translation>57600Bd</translation>
    </message>
    <message>
        <source>5s</source>
        <translation>5s</translation>
    </message>
    <message>
        <source>60s</source>
        <translation>60s</translation>
    </message>
    <message>
        <source>Konstantní</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>LCD nesvázán</source>
        <translation>Not linked to LCD</translation>
    </message>
    <message>
        <source>LCD střed</source>
        <translation>LCD centre</translation>
    </message>
    <message>
        <source>LCD vlevo</source>
        <translation>LCD left</translation>
    </message>
    <message>
        <source>LCD vpravo</source>
        <translation>LCD right</translation>
    </message>
    <message>
        <source>Neaktivní( )</source>
        <translation>Inactive( )</translation>
    </message>
    <message>
        <source>Režim 1 (M1)</source>
        <translation>Mode 1 (M1)</translation>
    </message>
    <message>
        <source>Režim 2 (M2)</source>
        <translation>Mode 2 (M2)</translation>
    </message>
    <message>
        <source>Režim 3 (M3)</source>
        <translation>Mode 3 (M3)</translation>
    </message>
    <message>
        <source>Teplota (T)</source>
        <translation>Temperature (T)</translation>
    </message>
    <message>
        <source>Vlhkost (H)</source>
        <translation>Humidity (H)</translation>
    </message>
    <message>
        <source>even</source>
        <translation>even</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Žádný</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>template 950</name>
    <message>
        <source>Jazyk / Language</source>
        <translation>Jazyk / Language</translation>
    </message>
    <message>
        <source>Jazyk programu</source>
        <translation>Program language</translation>
    </message>
    <message>
        <source>Podle systému</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Čeština</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Změna platí od příštího spuštění.</source>
        <translation>Takes effect at the next start.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>Použití: travik [--simulate MODEL[,MODEL...] [--calibrator]] [--device VÝBĚR]
               [--trace] [--log SOUBOR] [--lang cs|en]

Servisní program pro USB převodníky Kolvar.

  --simulate MODEL  místo skutečných zařízení připojí simulovaný převodník;
                    více modelů oddělených čárkami tvoří pracoviště
  --calibrator      s --simulate: vedle převodníku i simulovaný kalibrátor,
                    který měří analogové výstupy převodníku
  --device VÝBĚR    na pracovišti s více převodníky pracuje s tímto: cesta
                    k zařízení, sériové číslo z jeho ID textu (SN10222)
                    nebo model, pokud jej žádný jiný převodník nemá
  --trace           vypisuje každý HID rámec a každé hlášení na chybový výstup
  --log SOUBOR      připisuje totéž, s časem každého řádku, do SOUBORu:
                    servisní záznam k hlášení problému (kde je, ukazuje
                    okno O programu)
  --lang cs|en      jazyk oken (jinak ten zvolený v Nastavení &gt; Jazyk /
                    Language, a není-li zvolen, jazyk prostředí)
  --version         verze programu
  --help            tento text

Simulované modely:</source>
        <translation>Usage: travik [--simulate MODEL[,MODEL...] [--calibrator]] [--device SEL]
              [--trace] [--log FILE] [--lang cs|en]

Service tool for Kolvar USB transmitters.

  --simulate MODEL  attach a simulated transmitter instead of real devices;
                    several models separated by commas make a bench
  --calibrator      with --simulate: a simulated calibration device beside it,
                    measuring the transmitter&apos;s analog outputs
  --device SEL      on a bench with several transmitters, work with this one:
                    a node path, the serial of its ID text (SN10222), or its
                    model when no other transmitter has that model
  --trace           print every HID frame and message box to standard error
  --log FILE        append the same, with the time of each line, to FILE:
                    the support log to send with a problem report (the
                    About box shows where it is)
  --lang cs|en      the language of the windows (default: the one chosen under
                    Setting &gt; Jazyk / Language, else the locale&apos;s)
  --version         the program&apos;s version
  --help            this text

Simulated models:</translation>
    </message>
    <message>
        <source>
run     spustí každý soubor scénáře v novém běhu programu s okny bez
        obrazovky. Zařízení jsou simulovaná a čas virtuální, není-li --real.
        --trace  vypisuje každý řádek, rámec a hlášení, jak přicházejí
        --keep   ponechá adresář se soubory, které běh zapsal
        --real   pracuje se zařízeními připojenými k tomuto počítači,
                 ve skutečném čase; řádky zakládající simulovaná zařízení
                 jsou odmítnuty
        --collect-texts SOUBOR  připíše do SOUBORu každý text, který dialogy
                 za běhu ukážou (kontext TAB text), pro travik-i18n update
        Návratový kód 0, když platila všechna očekávání. Každé selhání je
        vypsáno jako SOUBOR:ŘÁDEK: expected …, got …
image   dekóduje soubor firmwaru tak, jak by to udělal bootloader, a vypíše
        výsledek.
bench-calibration
        kalibruje výstupy simulovaných rozladěných převodníků oběma
        způsoby hledání (šum ±2, ±20, ±50 jednotek; --quick: jen ±2)
        a vypíše tabulku.

list, info, read, write, values, flash a calibrate obsluhují převodníky
připojené k tomuto počítači (nebo simulované s --simulate) pomocí dialogů
samotného programu. --device VÝBĚR zvolí převodník podle cesty k zařízení,
podle sériového čísla v jeho ID textu (SN10222) nebo podle modelu, je-li
jediný; bez něj musí být připojen právě jeden převodník. Hlášení jdou
na chybový výstup i s titulkem, data na standardní výstup. Návratový kód:
0 hotovo, 1 selhalo zařízení nebo soubor, 2 chybné použití nebo volba
zařízení, 3 zpětné čtení po zápisu se liší, 130 přerušeno. Viz
travik-cli(1) a docs/cli.md.

--lang cs|en  jazyk oken a hlášení (výchozí cs: scénáře jsou psány proti
            českým textům); nápověda --help se bez něj řídí jazykem
            prostředí.
--log SOUBOR  připisuje vše vypsané, i záznam běhu bez --trace, s časem
            každého řádku, do SOUBORu: servisní záznam k hlášení problému.

Jazyk scénářů popisuje docs/automation.md.
</source>
        <translation>
run     runs each scenario file in a fresh program on the headless window
        layer. Devices are simulated and time is virtual unless --real.
        --trace  print every line, frame and message box as it happens
        --keep   keep the directory with the files the run wrote
        --real   talk to the devices attached to this computer, in real
                 time; lines that set up simulated devices are refused
        --collect-texts FILE  append every text the dialogs show at run time
                 to FILE (context TAB text), for travik-i18n update
        Exit status 0 when every expectation held. Each failure is printed
        as FILE:LINE: expected …, got …
image   decodes a firmware file as the bootloader would and reports it.
bench-calibration
        calibrates the outputs of simulated drifted units with both searches
        (noise ±2, ±20, ±50 counts; --quick: ±2 only) and prints a table.

list, info, read, write, values, flash and calibrate serve the transmitters
attached to this computer (or simulated ones with --simulate) through the
window&apos;s own dialogs. --device SEL chooses a transmitter by node path, by the
serial in its ID text (SN10222) or by model when it is the only one; without
it exactly one transmitter must be present. Messages go to standard error
with their caption, data to standard output. Exit status: 0 done, 1 the
device or the file failed, 2 usage or device selection, 3 the read-back
after a write differs, 130 interrupted. See travik-cli(1) and docs/cli.md.

--lang cs|en  the language of the windows and messages (default cs: the
            scenarios are written against the Czech texts); without it
            --help follows the locale.
--log FILE  appends everything printed, and the trace of a run even without
            --trace, with the time of each line, to FILE: the support log to
            send with a problem report.

The scenario language is described in docs/automation.md.
</translation>
    </message>
</context>
<context>
    <name>chart</name>
    <message>
        <source>%1: min %2, max %3, průměr %4</source>
        <translation>%1: min %2, max %3, mean %4</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>        Servisní Jumper není připojen.

 Zapsaná data nebudou uložena do EEPROM.</source>
        <translation>        The service jumper is not fitted.

 The written data will not be stored in EEPROM.</translation>
    </message>
    <message>
        <source> Bootovani je úspěšně dokončeno ;-) </source>
        <translation> Firmware download completed successfully ;-) </translation>
    </message>
    <message>
        <source>BOOT info</source>
        <translation>BOOT info</translation>
    </message>
    <message>
        <source>CAL info</source>
        <translation>CAL info</translation>
    </message>
    <message>
        <source>CHyba při zápisu příkazu</source>
        <translation>Error writing the command</translation>
    </message>
    <message>
        <source>CHyba při čtení Analogových dat</source>
        <translation>Error reading the analog data</translation>
    </message>
    <message>
        <source>Calibrated signal is Out of range</source>
        <translation>Calibrated signal is Out of range</translation>
    </message>
    <message>
        <source>Calibration device not detected</source>
        <translation>Calibration device not detected</translation>
    </message>
    <message>
        <source>Calibration error</source>
        <translation>Calibration error</translation>
    </message>
    <message>
        <source>Chyba CRC bootloaderu</source>
        <translation>Bootloader CRC error</translation>
    </message>
    <message>
        <source>Chyba komunikace se zařízením</source>
        <translation>Communication error with the transmitter</translation>
    </message>
    <message>
        <source>Chyba načteni souboru</source>
        <translation>Error loading the file</translation>
    </message>
    <message>
        <source>Chyba při čtení identifikátorů zařízení</source>
        <translation>Error reading the device identifiers</translation>
    </message>
    <message>
        <source>Chyba při čtení měřených dat</source>
        <translation>Error reading the measured data</translation>
    </message>
    <message>
        <source>Chyba souboru</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Data read error</source>
        <translation>Data read error</translation>
    </message>
    <message>
        <source>Data read pointer error</source>
        <translation>Data read pointer error</translation>
    </message>
    <message>
        <source>Data write error</source>
        <translation>Data write error</translation>
    </message>
    <message>
        <source>Data write info</source>
        <translation>Data write info</translation>
    </message>
    <message>
        <source>HID device info</source>
        <translation>HID device info</translation>
    </message>
    <message>
        <source>HID zařízení, info. </source>
        <translation>HID device, info. </translation>
    </message>
    <message>
        <source>Hodnota Hi mensí než hodnota Lo</source>
        <translation>Hi value is lower than Lo value</translation>
    </message>
    <message>
        <source>Hodnota mimo rozsah</source>
        <translation>Value out of range</translation>
    </message>
    <message>
        <source>Kalibrační data zapsána</source>
        <translation>Calibration data written</translation>
    </message>
    <message>
        <source>Konfigurační soubor není určen pro zařízení %1</source>
        <translation>The configuration file is not for the %1</translation>
    </message>
    <message>
        <source>Konfigurační soubor není určen pro zařízení EHD82</source>
        <translation>The configuration file is not for the EHD82</translation>
    </message>
    <message>
        <source>Konfigurační soubor není určen pro zařízení KDB</source>
        <translation>The configuration file is not for the KDB</translation>
    </message>
    <message>
        <source>Konfigurační soubor není určen pro zařízení KDB7DY</source>
        <translation>The configuration file is not for the KDB7DY</translation>
    </message>
    <message>
        <source>Moje zařízení HID nenalezeno</source>
        <translation>No Kolvar HID device found</translation>
    </message>
    <message>
        <source>Nastala chyba zapisu datoveho paketu</source>
        <translation>Error writing a data packet</translation>
    </message>
    <message>
        <source>Nastavená hodnota</source>
        <translation>Entered value</translation>
    </message>
    <message>
        <source>Nelze načíst data pokud je aktivní uživatelské menu.</source>
        <translation>Data cannot be read while the user menu is active.</translation>
    </message>
    <message>
        <source>Nelze zapsat data pokud je aktivní uživatelské menu.</source>
        <translation>Data cannot be written while the user menu is active.</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Režim %1 (M%2) má zvolen nulový počet stavů. Předvolba bude přenastavena na Neaktivní( ).</source>
        <translation>Mode %1 (M%2) has zero states selected. The preset will be reset to Inactive( ).</translation>
    </message>
    <message>
        <source>Režim 2 (M2) má zvolen nulový počet stavů. Předvolba bude přenastavena na Neaktivní( ).</source>
        <translation>Mode 2 (M2) has zero states selected. The preset will be reset to Inactive( ).</translation>
    </message>
    <message>
        <source>SET info</source>
        <translation>SET info</translation>
    </message>
    <message>
        <source>Soubor je poškozený</source>
        <translation>The file is damaged</translation>
    </message>
    <message>
        <source>Soubor je příliš velký, největší možná velikost je %1 bajtů</source>
        <translation>The file is too large; the largest possible size is %1 bytes</translation>
    </message>
    <message>
        <source>Travik Tool

verze 00.00.98  CZ_008
balíček %1</source>
        <translation>Travik Tool

version 00.00.98  CZ_008
package %1</translation>
    </message>
    <message>
        <source>Travik Tool

verze 00.00.98  CZ_008
balíček %1

Záznam pro podporu:
%2</source>
        <translation>Travik Tool

version 00.00.98  CZ_008
package %1

Support log:
%2</translation>
    </message>
    <message>
        <source>Volba je již používána jiným režimem</source>
        <translation>This choice is already used by another mode</translation>
    </message>
    <message>
        <source>Zařízení info FW</source>
        <translation>Device info FW</translation>
    </message>
    <message>
        <source>Čtení dat, info</source>
        <translation>Data read, info</translation>
    </message>
    <message>
        <source>Žádné zařízení HID nenalezeno</source>
        <translation>No HID device found</translation>
    </message>
</context>
</TS>
