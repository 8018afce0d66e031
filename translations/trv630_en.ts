<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="pl_PL">
<context>
    <name>DeviceConfigPage</name>
    <message>
        <source>Wejścia analogowe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wejścia enkoderowe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funkcje matematyczne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wyzwalania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wyjścia tranzystorowe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Zapis do pliku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatycznie rozpocznij zapis do pliku przy starcie programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     datę [rrrr-mm-dd]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     godzinę [gg:mm:ss:milisekunda]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     licznik pomiarów</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     licznik pomiarów MOD zmienna: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 4 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 1 (uśredniona)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 2 (uśredniona)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 3 (uśredniona)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 4 (uśredniona)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     pozycja ENKODER 1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     pozycja ENKODER 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     prędkość ENKODER 1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     prędkość ENKODER 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość MATH 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość MATH 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejestru do pliku:     stan wyjść tranzystorowych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Połączenie USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Połącz z urządzeniem przy starcie programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ustawienie wyświetlania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Położenie kropki dziesiętnej</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szerokość wykresu [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program PC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura układu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Zaktualizowane parametr: [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Połączony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozłączony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odświeżam listę urządzeń</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pomiary.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapis aktywny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapis: aktywny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapis nieaktywny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapis: niektywny</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <source>Wskaźniki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfiguracja urządzenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ustawienia programu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
