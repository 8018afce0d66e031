<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="pl_PL">
<context>
    <name>AnalogPage</name>
    <message>
        <source>Wejścia analogowe - konfiguracja</source>
        <translation>Analog inputs - configuration</translation>
    </message>
    <message>
        <source>ADC 1</source>
        <translation>ADC 1</translation>
    </message>
    <message>
        <source>ADC 2</source>
        <translation>ADC 2</translation>
    </message>
    <message>
        <source>ADC 3</source>
        <translation>ADC 3</translation>
    </message>
    <message>
        <source>ADC 4</source>
        <translation>ADC 4</translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Tryb pracy</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Filtr ciągły [smp]</source>
        <translation>Continuous filter [smp]</translation>
    </message>
    <message>
        <source>Filtr uśredniający [smp] </source>
        <translation>Averaging filter [smp]</translation>
    </message>
    <message>
        <source>Mnożnik [Coeff]</source>
        <translation>Coeff</translation>
    </message>
    <message>
        <source>Przesunięcie 1 [Offset]</source>
        <translation>Offset 1</translation>
    </message>
    <message>
        <source>Przesunięcie 2 [Offset]</source>
        <translation>Offset 2</translation>
    </message>
    <message>
        <source>Jednostka pomiaru</source>
        <translation>Measurement unit</translation>
    </message>
    <message>
        <source>Wartość pomiaru ADC = (ADCx + Przesunięcie1) * Mnożnik + Przesuniecie2</source>
        <translation>ADC value = (ADCx + Offset1) * Coeff + Offset2</translation>
    </message>
    <message>
        <source>0~10 V</source>
        <translation>0~10 V</translation>
    </message>
    <message>
        <source>0~20 mA</source>
        <translation>0~20 mA</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>AnalogValuesGroup</name>
    <message>
        <source>Wejścia analogowe - wskaźniki </source>
        <translation>Analog inputs - values</translation>
    </message>
    <message>
        <source>ADC 1</source>
        <translation>ADC 1</translation>
    </message>
    <message>
        <source>ADC 2</source>
        <translation>ADC 2</translation>
    </message>
    <message>
        <source>ADC 3</source>
        <translation>ADC 3</translation>
    </message>
    <message>
        <source>ADC 4</source>
        <translation>ADC 4</translation>
    </message>
    <message>
        <source>MATH 1</source>
        <translation>MATH 1</translation>
    </message>
    <message>
        <source>MATH 2</source>
        <translation>MATH 2</translation>
    </message>
</context>
<context>
    <name>DeviceConfigPage</name>
    <message>
        <source>Wejścia analogowe</source>
        <translation>Analog inputs</translation>
    </message>
    <message>
        <source>Wejścia enkoderowe</source>
        <translation>Encoder inputs</translation>
    </message>
    <message>
        <source>Funkcje matematyczne</source>
        <translation>Mathematical Functions (for analog inputs)</translation>
    </message>
    <message>
        <source>Wyzwalania</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>Wyjścia tranzystorowe</source>
        <translation>NPN outpust</translation>
    </message>
</context>
<context>
    <name>EncoderPage</name>
    <message>
        <source>Wejścia enkoderowe - konfiguracja</source>
        <translation>Encoder inputs - configuration</translation>
    </message>
    <message>
        <source>Enkoder 1</source>
        <translation>Encoder 1</translation>
    </message>
    <message>
        <source>Enkoder 2</source>
        <translation>Encoder 2</translation>
    </message>
    <message>
        <source>Odczytaj parametry enkodera</source>
        <translation>Read the the encoder parameters</translation>
    </message>
    <message>
        <source>Tryb pracy</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Czas bramkowania [ms]</source>
        <translation>Gate time [ms]</translation>
    </message>
    <message>
        <source>Rozdzielczość [imp]</source>
        <translation>Resolution [imp]</translation>
    </message>
    <message>
        <source>Mnożnik [Coeff]</source>
        <translation>Coeff</translation>
    </message>
    <message>
        <source>Przesunięcie [Offset]</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Jednostka pomiaru</source>
        <translation>Measurement unit</translation>
    </message>
    <message>
        <source>Wartość pomiaru ENC = ENCx * Mnożnik + Przesuniecie</source>
        <translation>END value = ENCx * Coeff + Offset</translation>
    </message>
    <message>
        <source>Pozycja/prędkość [obr][obr/s]</source>
        <translation>Position/velocity [rev][rev/s]</translation>
    </message>
    <message>
        <source>Pozycja/prędkość [obr][obr/min]</source>
        <translation>Position/velocity [rev][rev/min]</translation>
    </message>
    <message>
        <source>Pozycja/prędkość [mm][mm/s]</source>
        <translation>Position/velocity [mm][mm/s]</translation>
    </message>
    <message>
        <source>Pozycja/prędkość [mm][mm/min]</source>
        <translation>Position/velocity [mm][mm/min]</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zeruj pozycję</source>
        <translation>Clear position</translation>
    </message>
</context>
<context>
    <name>EncoderValuesGroup</name>
    <message>
        <source>Wejścia enkoderowe - wskaźniki</source>
        <translation>Encoder inputs - values</translation>
    </message>
    <message>
        <source>ENKODER 1 (pozycja)</source>
        <translation>ENCODER 1 (position)</translation>
    </message>
    <message>
        <source>ENKODER 1 (prędkość)</source>
        <translation>ENKODER 1 (velocity)</translation>
    </message>
    <message>
        <source>ENKODER 2 (pozycja)</source>
        <translation>ENCODER 2 (position)</translation>
    </message>
    <message>
        <source>ENKODER 2 (prędkość)</source>
        <translation>ENKODER 2 (velocity)</translation>
    </message>
</context>
<context>
    <name>IndicatorPage</name>
    <message>
        <source>Wejścia analogowe</source>
        <translation>Analog inputs</translation>
    </message>
    <message>
        <source>ADC 1</source>
        <translation>ADC 1</translation>
    </message>
    <message>
        <source>ADC 2</source>
        <translation>ADC2</translation>
    </message>
    <message>
        <source>ADC 3</source>
        <translation>ADC 3</translation>
    </message>
    <message>
        <source>ADC 4</source>
        <translation>ADC 4</translation>
    </message>
    <message>
        <source>MATH 1</source>
        <translation>MATH 1</translation>
    </message>
    <message>
        <source>MATH 2</source>
        <translation>MATH 2</translation>
    </message>
    <message>
        <source>Wejścia enkoderowe</source>
        <translation>Encoder inputs</translation>
    </message>
    <message>
        <source>ENKODER 1 (pozycja)</source>
        <translation>ENCODER 1 (position)</translation>
    </message>
    <message>
        <source>ENKODER 2 (pozycja)</source>
        <translation>ENCODER 2 (position)</translation>
    </message>
    <message>
        <source>ENKODER 1 (prędkość)</source>
        <translation>ENKODER 1 (velocity)</translation>
    </message>
    <message>
        <source>ENKODER 2 (prędkość)</source>
        <translation>ENKODER 2 (velocity)</translation>
    </message>
    <message>
        <source>Wyjścia tranzystorowe</source>
        <translation>NPN outpust</translation>
    </message>
    <message>
        <source>T%1</source>
        <translation>T%1</translation>
    </message>
    <message>
        <source>Zapis nieaktywny</source>
        <translation>Record offline</translation>
    </message>
</context>
<context>
    <name>MathPage</name>
    <message>
        <source>Funkcje matematyczne - konfiguracja</source>
        <translation>Math Functions - Configuration</translation>
    </message>
    <message>
        <source>MATH 1</source>
        <translation>MATH 1</translation>
    </message>
    <message>
        <source>MATH 2</source>
        <translation>MATH 2</translation>
    </message>
    <message>
        <source>Tryb pracy</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Nazwa operacji</source>
        <translation>Name of operation</translation>
    </message>
    <message>
        <source>Jednostka operacji</source>
        <translation>Unit operations</translation>
    </message>
    <message>
        <source>Rejestr M1...2</source>
        <translation>Register M1...2</translation>
    </message>
    <message>
        <source>Współczynnik m1...2</source>
        <translation>Factor m1...2</translation>
    </message>
    <message>
        <source>Rejestr kalibracyjny</source>
        <translation>Calibration register</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Kalibracja M1</source>
        <translation>Calibration M1</translation>
    </message>
    <message>
        <source>Kalibracja M2</source>
        <translation>Calibration M2</translation>
    </message>
    <message>
        <source>ADC1 + ADC2</source>
        <translation>ADC1 + ADC2</translation>
    </message>
    <message>
        <source>ADC1 - ADC2</source>
        <translation>ADC1 - ADC2</translation>
    </message>
    <message>
        <source>-ADC1 - ADC2</source>
        <translation>-ADC1 - ADC2</translation>
    </message>
    <message>
        <source>M1 - ADC1 - ADC2</source>
        <translation>M1 - ADC1 - ADC2</translation>
    </message>
    <message>
        <source>M1 + ADC1 + ADC2</source>
        <translation>M1 + ADC1 + ADC2</translation>
    </message>
    <message>
        <source>M1 + ADC1 - ADC2</source>
        <translation>M1 + ADC1 - ADC2</translation>
    </message>
    <message>
        <source>M1 + ADC1</source>
        <translation>M1 + ADC1</translation>
    </message>
    <message>
        <source>M1 + ADC2</source>
        <translation>M1 + ADC2</translation>
    </message>
    <message>
        <source>M1 - ADC1</source>
        <translation>M1 - ADC1</translation>
    </message>
    <message>
        <source>M1 - ADC2</source>
        <translation>M1 - ADC2</translation>
    </message>
    <message>
        <source>M1 * (ACD1 + ADC2)</source>
        <translation>M1 * (ACD1 + ADC2)</translation>
    </message>
    <message>
        <source>M1 * (ACD1 - ADC2)</source>
        <translation>M1 * (ACD1 - ADC2)</translation>
    </message>
    <message>
        <source>ADC3 + ADC4</source>
        <translation>ADC3 + ADC4</translation>
    </message>
    <message>
        <source>ADC3 - ADC4</source>
        <translation>ADC3 - ADC4</translation>
    </message>
    <message>
        <source>-ADC3 - ADC4</source>
        <translation>-ADC3 - ADC4</translation>
    </message>
    <message>
        <source>M1 - ADC3 - ADC4</source>
        <translation>M1 - ADC3 - ADC4</translation>
    </message>
    <message>
        <source>M1 + ADC3 + ADC4</source>
        <translation>M1 + ADC3 + ADC4</translation>
    </message>
    <message>
        <source>M1 + ADC3 - ADC4</source>
        <translation>M1 + ADC3 - ADC4</translation>
    </message>
    <message>
        <source>M1 + ADC3</source>
        <translation>M1 + ADC3</translation>
    </message>
    <message>
        <source>M1 + ADC4</source>
        <translation>M1 + ADC4</translation>
    </message>
    <message>
        <source>M1 - ADC3</source>
        <translation>M1 - ADC3</translation>
    </message>
    <message>
        <source>M1 - ADC4</source>
        <translation>M1 - ADC4</translation>
    </message>
    <message>
        <source>M1  * (ACD3 + ADC4)</source>
        <translation>M1  * (ACD3 + ADC4)</translation>
    </message>
    <message>
        <source>M1 * (ACD3 - ADC4)</source>
        <translation>M1 * (ACD3 - ADC4)</translation>
    </message>
    <message>
        <source>M1</source>
        <translation>M1</translation>
    </message>
    <message>
        <source>M2 - ADC1 - ADC2</source>
        <translation>M2 - ADC1 - ADC2</translation>
    </message>
    <message>
        <source>M2 + ADC1 + ADC2</source>
        <translation>M2 + ADC1 + ADC2</translation>
    </message>
    <message>
        <source>M2 + ADC1 - ADC2</source>
        <translation>M2 + ADC1 - ADC2</translation>
    </message>
    <message>
        <source>M2 + ADC1</source>
        <translation>M2 + ADC1</translation>
    </message>
    <message>
        <source>M2 + ADC2</source>
        <translation>M2 + ADC2</translation>
    </message>
    <message>
        <source>M2 - ADC1</source>
        <translation>M2 - ADC1</translation>
    </message>
    <message>
        <source>M2 - ADC2</source>
        <translation>M2 - ADC2</translation>
    </message>
    <message>
        <source>M2 * (ACD1 + ADC2)</source>
        <translation>M2 * (ACD1 + ADC2)</translation>
    </message>
    <message>
        <source>M2 * (ACD1 - ADC2)</source>
        <translation>M2 * (ACD1 - ADC2)</translation>
    </message>
    <message>
        <source>M2 - ADC3 - ADC4</source>
        <translation>M2 - ADC3 - ADC4</translation>
    </message>
    <message>
        <source>M2 + ADC3 + ADC4</source>
        <translation>M2 + ADC3 + ADC4</translation>
    </message>
    <message>
        <source>M2 + ADC3 - ADC4</source>
        <translation>M2 + ADC3 - ADC4</translation>
    </message>
    <message>
        <source>M2 + ADC3</source>
        <translation>M2 + ADC3</translation>
    </message>
    <message>
        <source>M2 + ADC4</source>
        <translation>M2 + ADC4</translation>
    </message>
    <message>
        <source>M2 - ADC3</source>
        <translation>M2 - ADC3</translation>
    </message>
    <message>
        <source>M2 - ADC4</source>
        <translation>M2 - ADC4</translation>
    </message>
    <message>
        <source>M2 * (ACD3 + ADC4)</source>
        <translation>M2 * (ACD3 + ADC4)</translation>
    </message>
    <message>
        <source>M2 * (ACD3 - ADC4)</source>
        <translation>M2 * (ACD3 - ADC4)</translation>
    </message>
    <message>
        <source>M2</source>
        <translation>M2</translation>
    </message>
    <message>
        <source>Współczynnik m1</source>
        <translation>Factor m1</translation>
    </message>
    <message>
        <source>ENC1</source>
        <translation>ENC1</translation>
    </message>
    <message>
        <source>ENC2</source>
        <translation>ENC2</translation>
    </message>
    <message>
        <source>ENC + ENC2</source>
        <translation>ENC + ENC2</translation>
    </message>
    <message>
        <source>ENC1 - ENC2</source>
        <translation>ENC1 - ENC2</translation>
    </message>
    <message>
        <source>ENC2 - ENC1</source>
        <translation>ENC2 - ENC1</translation>
    </message>
    <message>
        <source>m1 * ENC1</source>
        <translation>m1 * ENC1</translation>
    </message>
    <message>
        <source>m1 * ENC2</source>
        <translation>m1 * ENC2</translation>
    </message>
    <message>
        <source>m1 * (ENC + ENC2)</source>
        <translation>m1 * (ENC + ENC2)</translation>
    </message>
    <message>
        <source>m1 * (ENC1 - ENC2)</source>
        <translation>m1 * (ENC1 - ENC2)</translation>
    </message>
    <message>
        <source>m1 * (ENC2 - ENC1)</source>
        <translation>m1 * (ENC2 - ENC1)</translation>
    </message>
    <message>
        <source>ABS(VENC1 - VENC2)</source>
        <translation>ABS(VENC1 - VENC2)</translation>
    </message>
    <message>
        <source>Współczynnik m2</source>
        <translation>Factor m2</translation>
    </message>
    <message>
        <source>m2 * ENC1</source>
        <translation>m2 * ENC1</translation>
    </message>
    <message>
        <source>m2 * ENC2</source>
        <translation>m2 * ENC2</translation>
    </message>
    <message>
        <source>m2 * (ENC + ENC2)</source>
        <translation>m2 * (ENC + ENC2)</translation>
    </message>
    <message>
        <source>m2 * (ENC1 - ENC2)</source>
        <translation>m2 * (ENC1 - ENC2)</translation>
    </message>
    <message>
        <source>m2 * (ENC2 - ENC1)</source>
        <translation>m2 * (ENC2 - ENC1)</translation>
    </message>
</context>
<context>
    <name>MathValuesGroup</name>
    <message>
        <source>Funkcje matematyczne - wskaźniki</source>
        <translation>Mathematical functions - value</translation>
    </message>
    <message>
        <source>MATH 1</source>
        <translation>MATH 1</translation>
    </message>
    <message>
        <source>MATH 2</source>
        <translation>MATH 2</translation>
    </message>
</context>
<context>
    <name>OutputsPage</name>
    <message>
        <source>Wyjścia tranzystorowe - konfiguracja</source>
        <translation>NPN outpust - configuration</translation>
    </message>
    <message>
        <source>Rejestr do porównania</source>
        <translation>Register to compare</translation>
    </message>
    <message>
        <source>Warunek 1</source>
        <translation>Condition 1</translation>
    </message>
    <message>
        <source>Wartość do warunku 1</source>
        <translation>The value for condition 1</translation>
    </message>
    <message>
        <source>Suma/iloczyn warunków</source>
        <translation>And / Or conditions</translation>
    </message>
    <message>
        <source>Warunek 2</source>
        <translation>Condition 2</translation>
    </message>
    <message>
        <source>Wartość do warunku 2</source>
        <translation>The value for condition 2</translation>
    </message>
    <message>
        <source>Stan wyjścia gdy warunki spełnione</source>
        <translation>Output state when conditions met</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>T3</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>T4</source>
        <translation>T4</translation>
    </message>
    <message>
        <source>T5</source>
        <translation>T5</translation>
    </message>
    <message>
        <source>T6</source>
        <translation>T6</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wyjście nieaktywne</source>
        <translation>Output inactive</translation>
    </message>
    <message>
        <source>Wyjście zawsze aktywne</source>
        <translation>Output is always active</translation>
    </message>
    <message>
        <source>ADC [1] </source>
        <translation>ADC [1] </translation>
    </message>
    <message>
        <source>ADC [2]</source>
        <translation>ADC [2]</translation>
    </message>
    <message>
        <source>ADC [3] </source>
        <translation>ADC [3] </translation>
    </message>
    <message>
        <source>ADC [4]</source>
        <translation>ADC [4]</translation>
    </message>
    <message>
        <source>ADC [1] (uśredniona)</source>
        <translation>ADC [1] (average)</translation>
    </message>
    <message>
        <source>ADC [2] (uśredniona)</source>
        <translation>ADC [2] (average)</translation>
    </message>
    <message>
        <source>ADC [3] (uśredniona)</source>
        <translation>ADC [3] (average)</translation>
    </message>
    <message>
        <source>ADC [4] (uśredniona)</source>
        <translation>ADC [4] (average)</translation>
    </message>
    <message>
        <source>ENKODER [1] (pozycja) </source>
        <translation>ENKODER [1] (position)</translation>
    </message>
    <message>
        <source>ENKODER [2] (pozycja) </source>
        <translation>ENKODER [2] (position)</translation>
    </message>
    <message>
        <source>ENKODER [1] (prędkość) </source>
        <translation>ENKODER [1] (velocity)</translation>
    </message>
    <message>
        <source>ENKODER [2] (prędkość) </source>
        <translation>ENKODER [2] (velocity) </translation>
    </message>
    <message>
        <source>MATH [1]</source>
        <translation>MATH [1]</translation>
    </message>
    <message>
        <source>MATH [2]</source>
        <translation>MATH [2]</translation>
    </message>
    <message>
        <source>mniejsza</source>
        <translation>smaller</translation>
    </message>
    <message>
        <source>większa</source>
        <translation>larger</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>suma logiczna [and]</source>
        <translation>[and]</translation>
    </message>
    <message>
        <source>iloczyn logiczny [or]</source>
        <translation>[or]</translation>
    </message>
    <message>
        <source>Nieaktywne</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Aktywne</source>
        <translation>Active</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Zapis do pliku</source>
        <translation>Save To File</translation>
    </message>
    <message>
        <source>Automatycznie rozpocznij zapis do pliku przy starcie programu</source>
        <translation>Automatically start recording to a file at program startup</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     datę [rrrr-mm-dd]</source>
        <translation>Registry to file:     date [yyyy-mm-dd]</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     godzinę [gg:mm:ss:milisekunda]</source>
        <translation>Register to file:     time [hh: mm: ss: millisecond]</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     licznik pomiarów</source>
        <translation>Register to file:     counter measurements</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     licznik pomiarów MOD zmienna: </source>
        <translation>Register to file:     MOD measurement counter variable:</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 1</source>
        <translation>Register to file:     value ADC 1</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 2</source>
        <translation>Register to file:     value ADC 2</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 3</source>
        <translation>Register to file:     value ADC 3</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 4 </source>
        <translation>Register to file:     value ADC 4</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 1 (uśredniona)</source>
        <translation>Registry to file:     the value of ADC 1 (average)</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 2 (uśredniona)</source>
        <translation>Registry to file:     the value of ADC 2 (average)</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 3 (uśredniona)</source>
        <translation>Registry to file:     the value of ADC 3 (average)</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość ADC 4 (uśredniona)</source>
        <translation>Registry to file:     the value of ADC 4 (average)</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     pozycja ENKODER 1 </source>
        <translation>Register to file:     ENCODER 1</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     pozycja ENKODER 2</source>
        <translation>Register to file:     ENCODER 2</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     prędkość ENKODER 1 </source>
        <translation>Register to file:     velocity ENCODER 1</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     prędkość ENKODER 2</source>
        <translation>Register to file:     velocity ENCODER 2</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość MATH 1</source>
        <translation>Register to file:     value MATH 1</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     wartość MATH 2</source>
        <translation>Register to file:     value MATH 2</translation>
    </message>
    <message>
        <source>Rejestru do pliku:     stan wyjść tranzystorowych</source>
        <translation>Registry to file:     state NPN outputs</translation>
    </message>
    <message>
        <source>Połączenie USB</source>
        <translation>USB Connection</translation>
    </message>
    <message>
        <source>Połącz z urządzeniem przy starcie programu</source>
        <translation>Connect the device at startup</translation>
    </message>
    <message>
        <source>Ustawienie wyświetlania</source>
        <translation>Display setting</translation>
    </message>
    <message>
        <source>Położenie kropki dziesiętnej</source>
        <translation>Decimal point</translation>
    </message>
    <message>
        <source>Szerokość wykresu [s]</source>
        <translation>Chart width [s]</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Program version</translation>
    </message>
    <message>
        <source>Program PC:</source>
        <translation>PC Program:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Temperatura układu</source>
        <translation>Device temperature</translation>
    </message>
    <message>
        <source>Temperatura:</source>
        <translation>Temperature:</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Zaktualizowane parametr: [</source>
        <translation>Updated parameter: [</translation>
    </message>
    <message>
        <source>Połączony</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Rozłączony</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Odświeżam listę urządzeń</source>
        <translation>Refresh the list of devices</translation>
    </message>
    <message>
        <source>pomiary.csv</source>
        <translation>measure.csv</translation>
    </message>
    <message>
        <source>Zapis aktywny</source>
        <translation>Record: online</translation>
    </message>
    <message>
        <source>Zapis: aktywny</source>
        <translation>Record: online</translation>
    </message>
    <message>
        <source>Zapis nieaktywny</source>
        <translation>Record: offline</translation>
    </message>
    <message>
        <source>Zapis: niektywny</source>
        <translation>Record: offline</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <source>Wskaźniki</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Konfiguracja urządzenia</source>
        <translation>Device configuration</translation>
    </message>
    <message>
        <source>Ustawienia programu</source>
        <translation>Program settings</translation>
    </message>
    <message>
        <source>Funkcje matematyczne (dla wejść analogowych)</source>
        <translation>Mathematical Functions (for analog inputs)</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku pomiarowego %1 (%2); pomiary czekają w pamięci</source>
        <translation>Cannot write the measurement file %1 (%2); the measurements are kept in memory</translation>
    </message>
    <message>
        <source>, utracono pomiarów: %1</source>
        <translation>, measurements lost: %1</translation>
    </message>
    <message>
        <source>Plik pomiarowy</source>
        <translation>Measurement file</translation>
    </message>
    <message>
        <source>Plik tekstowy (*.txt)|*.txt|Plik z danymi oddzielonymi średnikami (*.csv)|*.csv</source>
        <translation>Text file (*. txt) | *. txt | File with data separated by semicolons (*. csv) | *. csv</translation>
    </message>
</context>
<context>
    <name>TriggerPage</name>
    <message>
        <source>Wyzwalanie pomiarów - konfiguracja</source>
        <translation>Trigger - configuration</translation>
    </message>
    <message>
        <source>Tryb pracy wejść wyzwalających</source>
        <translation>Trigger mode</translation>
    </message>
    <message>
        <source>Filtracja wejścia wyzwalającego [ms]</source>
        <translation>Filtration triggering input [ms]</translation>
    </message>
    <message>
        <source>Tryb wyzwalania transmisji danych</source>
        <translation>Trigger sedn data mode</translation>
    </message>
    <message>
        <source>Czas pomiędzy wysyłaniem pomiarów [ms]</source>
        <translation>Time between send  measurements [ms]</translation>
    </message>
    <message>
        <source>Typ rejestru do zapisu 1</source>
        <translation>Type of register to record 1</translation>
    </message>
    <message>
        <source>Typ rejestru do zapisu 2</source>
        <translation>Type of register to record 2</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wyzwalanie + zapis do rejestrów MODBUS</source>
        <translation>Trigger + write to MODBUS registers</translation>
    </message>
    <message>
        <source>Cykliczny zapis do rejestrów MODBUS</source>
        <translation>Cyclical writing to MODBUS registers</translation>
    </message>
    <message>
        <source>Transmisja ciągła</source>
        <translation>Continuous transmission</translation>
    </message>
    <message>
        <source>Transmisja, gdy wejście 1 jest aktywne</source>
        <translation>Transmission, when trigger 1 is active</translation>
    </message>
    <message>
        <source>Transmisja pojedyńcza na zbocze narastające</source>
        <translation>Single transmission to the rising edge</translation>
    </message>
    <message>
        <source>ADC [1] </source>
        <translation>ADC [1] </translation>
    </message>
    <message>
        <source>ADC [2]</source>
        <translation>ADC [2]</translation>
    </message>
    <message>
        <source>ADC [3] </source>
        <translation>ADC [3] </translation>
    </message>
    <message>
        <source>ADC [4]</source>
        <translation>ADC [4]</translation>
    </message>
    <message>
        <source>ADC [1] (uśredniona)</source>
        <translation>ADC [1] (average)</translation>
    </message>
    <message>
        <source>ADC [2] (uśredniona)</source>
        <translation>ADC [2] (average)</translation>
    </message>
    <message>
        <source>ADC [3] (uśredniona)</source>
        <translation>ADC [3] (average)</translation>
    </message>
    <message>
        <source>ADC [4] (uśredniona)</source>
        <translation>ADC [4] (average)</translation>
    </message>
    <message>
        <source>ENKODER [1] (pozycja) </source>
        <translation>ENKODER [1] (position) </translation>
    </message>
    <message>
        <source>ENKODER [2] (pozycja) </source>
        <translation>ENKODER [2] (position) </translation>
    </message>
    <message>
        <source>ENKODER [1] (prędkość) </source>
        <translation>ENKODER [1] (velocity) </translation>
    </message>
    <message>
        <source>ENKODER [2] (prędkość) </source>
        <translation>ENKODER [2] (velocity) </translation>
    </message>
    <message>
        <source>MATH [1]</source>
        <translation>MATH [1]</translation>
    </message>
    <message>
        <source>MATH [2]</source>
        <translation>MATH [2]</translation>
    </message>
</context>
</TS>
