<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
    <context>
        <name>CurveCharts</name>
        <message>
            <source>Dot Area Film</source>
            <translation>Flächendeckung Film</translation>
        </message>
        <message>
            <source>Dot Area Print</source>
            <translation>Flächendeckung Druck</translation>
        </message>
    </context>
    <context>
        <name>TCalibrDlg</name>
        <message>
            <source>I1 calibration, place instrument on the calibration plate and press measurement button.</source>
            <translation>I1-Kalibrierung: das Messgerät auf die Kalibrierkachel setzen und die Messtaste drücken.</translation>
        </message>
        <message>
            <source>I1 calibration in progress, wait please ...</source>
            <translation>I1-Kalibrierung läuft, bitte warten ...</translation>
        </message>
        <message>
            <source>Calibration Ok!</source>
            <translation>Kalibrierung OK!</translation>
        </message>
    </context>
    <context>
        <name>TDensitometryPages</name>
        <message>
            <source>Sample</source>
            <translation>Referenz</translation>
        </message>
        <message>
            <source>Measure</source>
            <translation>Messung</translation>
        </message>
        <message>
            <source>Differences</source>
            <translation>Differenzen</translation>
        </message>
        <message>
            <source>C</source>
            <translation>C</translation>
        </message>
        <message>
            <source>M</source>
            <translation>M</translation>
        </message>
        <message>
            <source>Y</source>
            <translation>Y</translation>
        </message>
        <message>
            <source>K</source>
            <translation>K</translation>
        </message>
        <message>
            <source>Cyan</source>
            <translation>Cyan</translation>
        </message>
        <message>
            <source>Magenta</source>
            <translation>Magenta</translation>
        </message>
        <message>
            <source>Yellow</source>
            <translation>Gelb</translation>
        </message>
        <message>
            <source>Black</source>
            <translation>Schwarz</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <source>Measure first down color</source>
            <translation>Erste Druckfarbe messen</translation>
        </message>
        <message>
            <source>Measure second down color</source>
            <translation>Zweite Druckfarbe messen</translation>
        </message>
        <message>
            <source>Measure overprint</source>
            <translation>Übereinanderdruck messen</translation>
        </message>
        <message>
            <source>OK!</source>
            <translation>OK!</translation>
        </message>
        <message>
            <source>%1 on %2 = %3</source>
            <translation>%1 auf %2 = %3</translation>
        </message>
        <message>
            <source>Density</source>
            <translation>Dichte</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>Filter</translation>
        </message>
        <message>
            <source>All densities</source>
            <translation>Alle Dichten</translation>
        </message>
        <message>
            <source>Densities differences</source>
            <translation>Dichtedifferenzen</translation>
        </message>
        <message>
            <source>d</source>
            <translation>d</translation>
        </message>
        <message>
            <source>Sample measurement</source>
            <translation>Referenzmessung</translation>
        </message>
        <message>
            <source>Color measurement</source>
            <translation>Farbmessung</translation>
        </message>
        <message>
            <source>Dot gain</source>
            <translation>Tonwertzunahme</translation>
        </message>
        <message>
            <source>Dot area</source>
            <translation>Flächendeckung</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>Kontrast</translation>
        </message>
        <message>
            <source>Trapping</source>
            <translation>Farbannahme</translation>
        </message>
        <message>
            <source>Substrate</source>
            <translation>Bedruckstoff</translation>
        </message>
        <message>
            <source>Hue error</source>
            <translation>Farbtonfehler</translation>
        </message>
        <message>
            <source>Grayness</source>
            <translation>Grauanteil</translation>
        </message>
        <message>
            <source>Print curve</source>
            <translation>Druckkennlinie</translation>
        </message>
        <message>
            <source>Dot Gain curve</source>
            <translation>TWZ-Kurve</translation>
        </message>
    </context>
    <context>
        <name>TICCPage</name>
        <message>
            <source>Profile</source>
            <translation>Profil</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Keines</translation>
        </message>
        <message>
            <source>Description:</source>
            <translation>Beschreibung:</translation>
        </message>
        <message>
            <source>Intent:</source>
            <translation>Wiedergabe:</translation>
        </message>
        <message>
            <source>PERCEPTUAL</source>
            <translation>PERZEPTIV</translation>
        </message>
        <message>
            <source>RELATIVE COLORIMETRIC</source>
            <translation>RELATIV FARBMETRISCH</translation>
        </message>
        <message>
            <source>SATURATION</source>
            <translation>SÄTTIGUNG</translation>
        </message>
        <message>
            <source>ABSOLUTE COLORIMETRIC</source>
            <translation>ABSOLUT FARBMETRISCH</translation>
        </message>
        <message>
            <source>L :</source>
            <translation>L :</translation>
        </message>
        <message>
            <source>a :</source>
            <translation>a :</translation>
        </message>
        <message>
            <source>b :</source>
            <translation>b :</translation>
        </message>
        <message>
            <source>C :</source>
            <translation>C :</translation>
        </message>
        <message>
            <source>M :</source>
            <translation>M :</translation>
        </message>
        <message>
            <source>Y :</source>
            <translation>Y :</translation>
        </message>
        <message>
            <source>K :</source>
            <translation>K :</translation>
        </message>
        <message>
            <source>ICC profiles (*.icm *.icc)</source>
            <translation>ICC-Profile (*.icm *.icc)</translation>
        </message>
    </context>
    <context>
        <name>TInstrumentDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>TLanguageChooser</name>
        <message>
            <source>Language</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>TMainForm</name>
        <message>
            <source>Calibrate</source>
            <translation>Kalibrieren</translation>
        </message>
        <message>
            <source>Paper</source>
            <translation>Papier</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Main setup</source>
            <translation>Allgemein</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>User interface</source>
            <translation>Benutzeroberfläche</translation>
        </message>
        <message>
            <source>I1 info</source>
            <translation>I1-Info</translation>
        </message>
        <message>
            <source>Densitometry setup</source>
            <translation>Densitometrie</translation>
        </message>
        <message>
            <source> Decimals </source>
            <translation> Dezimalstellen </translation>
        </message>
        <message>
            <source>Amount of decimals places:</source>
            <translation>Anzahl der Dezimalstellen:</translation>
        </message>
        <message>
            <source> Calculate DOT Gain on </source>
            <translation> Tonwertzunahme berechnen bei </translation>
        </message>
        <message>
            <source>Visible</source>
            <translation>Sichtbar</translation>
        </message>
        <message>
            <source>DOT Value</source>
            <translation>Tonwert</translation>
        </message>
        <message>
            <source>DOT % 1</source>
            <translation>Tonwert % 1</translation>
        </message>
        <message>
            <source>DOT % 2</source>
            <translation>Tonwert % 2</translation>
        </message>
        <message>
            <source>DOT % 3</source>
            <translation>Tonwert % 3</translation>
        </message>
        <message>
            <source> Calculate DOT Gain curve on </source>
            <translation> Tonwertzunahmekurve berechnen bei </translation>
        </message>
        <message>
            <source>DOT Value 1</source>
            <translation>Tonwert 1</translation>
        </message>
        <message>
            <source>DOT Value 2</source>
            <translation>Tonwert 2</translation>
        </message>
        <message>
            <source>DOT Value 3</source>
            <translation>Tonwert 3</translation>
        </message>
        <message>
            <source> Calculate contrast on </source>
            <translation> Kontrast berechnen bei </translation>
        </message>
        <message>
            <source>Density</source>
            <translation>Dichte</translation>
        </message>
        <message>
            <source>Reference</source>
            <translation>Bezug</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>Filter</translation>
        </message>
        <message>
            <source>Spectro setup</source>
            <translation>Spektral</translation>
        </message>
        <message>
            <source>ColorSpace</source>
            <translation>Farbraum</translation>
        </message>
        <message>
            <source>Illuminant</source>
            <translation>Lichtart</translation>
        </message>
        <message>
            <source>Observer</source>
            <translation>Beobachter</translation>
        </message>
        <message>
            <source>Calibrate the instrument on its calibration plate</source>
            <translation>Das Messgerät auf seiner Kalibrierkachel kalibrieren</translation>
        </message>
        <message>
            <source>Measure the paper, so that densities are relative to paper white</source>
            <translation>Das Papier messen, damit die Dichten auf Papierweiß bezogen sind</translation>
        </message>
        <message>
            <source>Close Kelvora</source>
            <translation>Kelvora beenden</translation>
        </message>
        <message>
            <source>Choose the language of the program</source>
            <translation>Die Sprache des Programms wählen</translation>
        </message>
        <message>
            <source>The look of the program&apos;s windows</source>
            <translation>Das Aussehen der Programmfenster</translation>
        </message>
        <message>
            <source>Show what the instrument reports about itself</source>
            <translation>Zeigen, was das Messgerät über sich meldet</translation>
        </message>
        <message>
            <source>Decimals shown for densities</source>
            <translation>Angezeigte Dezimalstellen der Dichten</translation>
        </message>
        <message>
            <source>Densities absolute or relative to the paper</source>
            <translation>Dichten absolut oder auf das Papier bezogen</translation>
        </message>
        <message>
            <source>Density standard of the instrument&apos;s filters</source>
            <translation>Dichtenorm der Filter des Messgeräts</translation>
        </message>
        <message>
            <source>All densities</source>
            <translation>Alle Dichten</translation>
        </message>
        <message>
            <source>Densities diff</source>
            <translation>Dichtedifferenz</translation>
        </message>
        <message>
            <source>Dot Gain</source>
            <translation>Tonwertzunahme</translation>
        </message>
        <message>
            <source>Print curve</source>
            <translation>Druckkennlinie</translation>
        </message>
        <message>
            <source>Dot Gain curve</source>
            <translation>TWZ-Kurve</translation>
        </message>
        <message>
            <source>Dot Area</source>
            <translation>Flächendeckung</translation>
        </message>
        <message>
            <source>Print Contrast</source>
            <translation>Druckkontrast</translation>
        </message>
        <message>
            <source>Trapping</source>
            <translation>Farbannahme</translation>
        </message>
        <message>
            <source>Hue error</source>
            <translation>Farbtonfehler</translation>
        </message>
        <message>
            <source>Grayness</source>
            <translation>Grauanteil</translation>
        </message>
        <message>
            <source>Colorimetry</source>
            <translation>Farbmetrik</translation>
        </message>
        <message>
            <source>Reflectance</source>
            <translation>Remission</translation>
        </message>
        <message>
            <source>delta L-a-b</source>
            <translation>delta L-a-b</translation>
        </message>
        <message>
            <source>CieLab</source>
            <translation>CieLab</translation>
        </message>
        <message>
            <source>ICC conversion</source>
            <translation>ICC-Umrechnung</translation>
        </message>
        <message>
            <source>Visual match</source>
            <translation>Visueller Vergleich</translation>
        </message>
        <message>
            <source>Densitometry</source>
            <translation>Densitometrie</translation>
        </message>
        <message>
            <source>Spectro</source>
            <translation>Spektral</translation>
        </message>
        <message>
            <source>Setup</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Über</translation>
        </message>
        <message>
            <source>Skin engine off</source>
            <translation>Skins aus</translation>
        </message>
        <message>
            <source>skin 1</source>
            <translation>Skin 1</translation>
        </message>
        <message>
            <source>skin 2</source>
            <translation>Skin 2</translation>
        </message>
        <message>
            <source>skin 3</source>
            <translation>Skin 3</translation>
        </message>
        <message>
            <source>skin 4</source>
            <translation>Skin 4</translation>
        </message>
        <message>
            <source>skin 5</source>
            <translation>Skin 5</translation>
        </message>
        <message>
            <source>Absolute</source>
            <translation>Absolut</translation>
        </message>
        <message>
            <source>Paper white</source>
            <translation>Papierweiß</translation>
        </message>
        <message>
            <source>DIN</source>
            <translation>DIN</translation>
        </message>
        <message>
            <source>DIN NB</source>
            <translation>DIN NB</translation>
        </message>
        <message>
            <source>ANSI A</source>
            <translation>ANSI A</translation>
        </message>
        <message>
            <source>ANSI T</source>
            <translation>ANSI T</translation>
        </message>
        <message>
            <source>SPI</source>
            <translation>SPI</translation>
        </message>
        <message>
            <source>CIELAB</source>
            <translation>CIELAB</translation>
        </message>
        <message>
            <source>CIELab94</source>
            <translation>CIELab94</translation>
        </message>
        <message>
            <source>CMC(1:1)</source>
            <translation>CMC(1:1)</translation>
        </message>
        <message>
            <source>CMC(2:1)</source>
            <translation>CMC(2:1)</translation>
        </message>
        <message>
            <source>CIELuv</source>
            <translation>CIELuv</translation>
        </message>
        <message>
            <source>CIEXYZ</source>
            <translation>CIEXYZ</translation>
        </message>
        <message>
            <source>CIExyY</source>
            <translation>CIExyY</translation>
        </message>
        <message>
            <source>LABmg</source>
            <translation>LABmg</translation>
        </message>
        <message>
            <source>A</source>
            <translation>A</translation>
        </message>
        <message>
            <source>C</source>
            <translation>C</translation>
        </message>
        <message>
            <source>D50</source>
            <translation>D50</translation>
        </message>
        <message>
            <source>D65</source>
            <translation>D65</translation>
        </message>
        <message>
            <source>F11</source>
            <translation>F11</translation>
        </message>
        <message>
            <source>2°</source>
            <translation>2°</translation>
        </message>
        <message>
            <source>10°</source>
            <translation>10°</translation>
        </message>
        <message>
            <source>© Kelvora Colour Systems</source>
            <translation>© Kelvora Colour Systems</translation>
        </message>
        <message>
            <source>Version %1 - %2</source>
            <translation>Version %1 - %2</translation>
        </message>
        <message>
            <source>Kelvora
colour quality control for the press room

Place the instrument on a control patch, press its button, and Kelvora shows at once what the measurement means for your print.

Densitometry: densities of cyan, magenta, yellow and black, their history and differences, dot area, dot gain, print contrast, print curve, trapping, hue error and grayness.

Spectro: reflectance, CIE colour values under the illuminant and observer of your choice, colour differences, metamerism, a visual match and the conversion of a measured colour through an ICC output profile.

Kelvora Colour Systems
makes tools for printers who want their colour to be measured, not guessed.

Thank you for working with Kelvora.</source>
            <translation>Kelvora
Farbqualitätskontrolle für den Drucksaal

Setzen Sie das Messgerät auf ein Kontrollfeld, drücken Sie seine Taste, und Kelvora zeigt sofort, was die Messung für Ihren Druck bedeutet.

Densitometrie: Dichten von Cyan, Magenta, Gelb und Schwarz, ihr Verlauf und ihre Differenzen, Flächendeckung, Tonwertzunahme, Druckkontrast, Druckkennlinie, Farbannahme, Farbtonfehler und Grauanteil.

Spektral: Remission, CIE-Farbwerte unter Lichtart und Beobachter Ihrer Wahl, Farbabstände, Metamerie, ein visueller Vergleich und die Umrechnung einer gemessenen Farbe über ein ICC-Ausgabeprofil.

Kelvora Colour Systems
baut Werkzeuge für Drucker, die ihre Farbe messen und nicht raten wollen.

Danke, dass Sie mit Kelvora arbeiten.</translation>
        </message>
        <message>
            <source>Searching instrument...</source>
            <translation>Messgerät wird gesucht...</translation>
        </message>
        <message>
            <source>I1 not connected</source>
            <translation>I1 nicht verbunden</translation>
        </message>
        <message>
            <source>Instrument not found</source>
            <translation>Messgerät nicht gefunden</translation>
        </message>
        <message>
            <source>EyeOne sn. </source>
            <translation>EyeOne SN </translation>
        </message>
        <message>
            <source>Instrument found</source>
            <translation>Messgerät gefunden</translation>
        </message>
        <message>
            <source>Calibration...</source>
            <translation>Kalibrierung...</translation>
        </message>
        <message>
            <source>Calibrated</source>
            <translation>Kalibriert</translation>
        </message>
        <message>
            <source>Ready...</source>
            <translation>Bereit...</translation>
        </message>
        <message>
            <source>Measure...</source>
            <translation>Messung...</translation>
        </message>
        <message>
            <source>CIEDE2000</source>
            <translation>CIEDE2000</translation>
        </message>
    </context>
    <context>
        <name>TMeasureLogHost</name>
        <message>
            <source>Folder of the measurement log</source>
            <translation>Ordner des Messprotokolls</translation>
        </message>
        <message>
            <source>Measurement log NOT written!</source>
            <translation>Messprotokoll NICHT geschrieben!</translation>
        </message>
        <message>
            <source>The measurement log of this session is %1 (readings: %2).</source>
            <translation>Das Messprotokoll dieser Sitzung ist %1 (Messungen: %2).</translation>
        </message>
        <message>
            <source>The measurement log %1 could not be written: %2 readings of this session are not in it.</source>
            <translation>Das Messprotokoll %1 konnte nicht geschrieben werden: %2 Messungen dieser Sitzung fehlen darin.</translation>
        </message>
        <message>
            <source>Keep a measurement log</source>
            <translation>Messprotokoll führen</translation>
        </message>
        <message>
            <source>Log folder...</source>
            <translation>Protokollordner...</translation>
        </message>
        <message>
            <source>Choose the folder the measurement log is written to</source>
            <translation>Ordner wählen, in den das Messprotokoll geschrieben wird</translation>
        </message>
        <message>
            <source>Measurement log off; folder: %1</source>
            <translation>Messprotokoll aus; Ordner: %1</translation>
        </message>
        <message>
            <source>This session&apos;s log will be in %1</source>
            <translation>Das Protokoll dieser Sitzung kommt nach %1</translation>
        </message>
        <message>
            <source>Cannot write %1: %2 readings kept until it can be written</source>
            <translation>%1 kann nicht geschrieben werden: %2 Messungen bleiben gespeichert, bis es geht</translation>
        </message>
        <message>
            <source>This session&apos;s log: %1</source>
            <translation>Protokoll dieser Sitzung: %1</translation>
        </message>
    </context>
    <context>
        <name>TMeasurePDlg</name>
        <message>
            <source>Measure paper or substrate</source>
            <translation>Papier oder Bedruckstoff messen</translation>
        </message>
        <message>
            <source>Paper measurement</source>
            <translation>Papiermessung</translation>
        </message>
        <message>
            <source>Substrated measured!</source>
            <translation>Bedruckstoff gemessen!</translation>
        </message>
    </context>
    <context>
        <name>TSkins</name>
        <message>
            <source>Graphite</source>
            <translation>Graphit</translation>
        </message>
        <message>
            <source>Ocean</source>
            <translation>Ozean</translation>
        </message>
        <message>
            <source>Press room</source>
            <translation>Drucksaal</translation>
        </message>
        <message>
            <source>Daylight</source>
            <translation>Tageslicht</translation>
        </message>
        <message>
            <source>Proof</source>
            <translation>Andruck</translation>
        </message>
    </context>
    <context>
        <name>TSpectroPages</name>
        <message>
            <source>Sample</source>
            <translation>Referenz</translation>
        </message>
        <message>
            <source>Measure</source>
            <translation>Messung</translation>
        </message>
        <message>
            <source>Differences</source>
            <translation>Differenzen</translation>
        </message>
        <message>
            <source>Sample measurement</source>
            <translation>Referenzmessung</translation>
        </message>
        <message>
            <source>Color measurement</source>
            <translation>Farbmessung</translation>
        </message>
        <message>
            <source>I.M.:</source>
            <translation>M.I.:</translation>
        </message>
        <message>
            <source>(d50-2°)</source>
            <translation>(D50-2°)</translation>
        </message>
        <message>
            <source>Illuminant</source>
            <translation>Lichtart</translation>
        </message>
        <message>
            <source>(press ctrl for Measure)</source>
            <translation>(Strg drücken für Messung)</translation>
        </message>
        <message>
            <source>Illuminants</source>
            <translation>Lichtarten</translation>
        </message>
    </context>
</TS>
