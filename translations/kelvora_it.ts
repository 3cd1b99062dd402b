<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
    <context>
        <name>CurveCharts</name>
        <message>
            <source>Dot Area Film</source>
            <translation>Area punto pellicola</translation>
        </message>
        <message>
            <source>Dot Area Print</source>
            <translation>Area punto stampa</translation>
        </message>
    </context>
    <context>
        <name>TCalibrDlg</name>
        <message>
            <source>I1 calibration, place instrument on the calibration plate and press measurement button.</source>
            <translation>Calibrazione I1: appoggiare lo strumento sulla piastra di calibrazione e premere il pulsante di misura.</translation>
        </message>
        <message>
            <source>I1 calibration in progress, wait please ...</source>
            <translation>Calibrazione I1 in corso, attendere prego ...</translation>
        </message>
        <message>
            <source>Calibration Ok!</source>
            <translation>Calibrazione riuscita!</translation>
        </message>
    </context>
    <context>
        <name>TDensitometryPages</name>
        <message>
            <source>Sample</source>
            <translation>Campione</translation>
        </message>
        <message>
            <source>Measure</source>
            <translation>Misura</translation>
        </message>
        <message>
            <source>Differences</source>
            <translation>Differenze</translation>
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
            <translation>Ciano</translation>
        </message>
        <message>
            <source>Magenta</source>
            <translation>Magenta</translation>
        </message>
        <message>
            <source>Yellow</source>
            <translation>Giallo</translation>
        </message>
        <message>
            <source>Black</source>
            <translation>Nero</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <source>Measure first down color</source>
            <translation>Misurare il primo colore stampato</translation>
        </message>
        <message>
            <source>Measure second down color</source>
            <translation>Misurare il secondo colore stampato</translation>
        </message>
        <message>
            <source>Measure overprint</source>
            <translation>Misurare la sovrastampa</translation>
        </message>
        <message>
            <source>OK!</source>
            <translation>OK!</translation>
        </message>
        <message>
            <source>%1 on %2 = %3</source>
            <translation>%1 su %2 = %3</translation>
        </message>
        <message>
            <source>Density</source>
            <translation>Densità</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>Filtro</translation>
        </message>
        <message>
            <source>All densities</source>
            <translation>Tutte le densità</translation>
        </message>
        <message>
            <source>Densities differences</source>
            <translation>Differenze di densità</translation>
        </message>
        <message>
            <source>d</source>
            <translation>d</translation>
        </message>
        <message>
            <source>Sample measurement</source>
            <translation>Misura campione</translation>
        </message>
        <message>
            <source>Color measurement</source>
            <translation>Misura colore</translation>
        </message>
        <message>
            <source>Dot gain</source>
            <translation>Ingrossamento punto</translation>
        </message>
        <message>
            <source>Dot area</source>
            <translation>Area del punto</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>Contrasto</translation>
        </message>
        <message>
            <source>Trapping</source>
            <translation>Trapping</translation>
        </message>
        <message>
            <source>Substrate</source>
            <translation>Supporto</translation>
        </message>
        <message>
            <source>Hue error</source>
            <translation>Errore di tinta</translation>
        </message>
        <message>
            <source>Grayness</source>
            <translation>Grigiore</translation>
        </message>
        <message>
            <source>Print curve</source>
            <translation>Curva di stampa</translation>
        </message>
        <message>
            <source>Dot Gain curve</source>
            <translation>Curva ingrossamento</translation>
        </message>
    </context>
    <context>
        <name>TICCPage</name>
        <message>
            <source>Profile</source>
            <translation>Profilo</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Nessuno</translation>
        </message>
        <message>
            <source>Description:</source>
            <translation>Descrizione:</translation>
        </message>
        <message>
            <source>Intent:</source>
            <translation>Intento:</translation>
        </message>
        <message>
            <source>PERCEPTUAL</source>
            <translation>PERCETTIVO</translation>
        </message>
        <message>
            <source>RELATIVE COLORIMETRIC</source>
            <translation>COLORIMETRICO RELATIVO</translation>
        </message>
        <message>
            <source>SATURATION</source>
            <translation>SATURAZIONE</translation>
        </message>
        <message>
            <source>ABSOLUTE COLORIMETRIC</source>
            <translation>COLORIMETRICO ASSOLUTO</translation>
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
            <translation>Profili ICC (*.icm *.icc)</translation>
        </message>
    </context>
    <context>
        <name>TInstrumentDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>TLanguageChooser</name>
        <message>
            <source>Language</source>
            <translation>Lingua</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>TMainForm</name>
        <message>
            <source>Calibrate</source>
            <translation>Calibra</translation>
        </message>
        <message>
            <source>Paper</source>
            <translation>Carta</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Esci</translation>
        </message>
        <message>
            <source>Main setup</source>
            <translation>Impostazioni generali</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Lingua</translation>
        </message>
        <message>
            <source>User interface</source>
            <translation>Interfaccia utente</translation>
        </message>
        <message>
            <source>I1 info</source>
            <translation>Info I1</translation>
        </message>
        <message>
            <source>Densitometry setup</source>
            <translation>Impostazioni densitometria</translation>
        </message>
        <message>
            <source> Decimals </source>
            <translation> Decimali </translation>
        </message>
        <message>
            <source>Amount of decimals places:</source>
            <translation>Numero di cifre decimali:</translation>
        </message>
        <message>
            <source> Calculate DOT Gain on </source>
            <translation> Calcola ingrossamento punto su </translation>
        </message>
        <message>
            <source>Visible</source>
            <translation>Visibile</translation>
        </message>
        <message>
            <source>DOT Value</source>
            <translation>Valore punto</translation>
        </message>
        <message>
            <source>DOT % 1</source>
            <translation>PUNTO % 1</translation>
        </message>
        <message>
            <source>DOT % 2</source>
            <translation>PUNTO % 2</translation>
        </message>
        <message>
            <source>DOT % 3</source>
            <translation>PUNTO % 3</translation>
        </message>
        <message>
            <source> Calculate DOT Gain curve on </source>
            <translation> Calcola curva ingrossamento su </translation>
        </message>
        <message>
            <source>DOT Value 1</source>
            <translation>Valore punto 1</translation>
        </message>
        <message>
            <source>DOT Value 2</source>
            <translation>Valore punto 2</translation>
        </message>
        <message>
            <source>DOT Value 3</source>
            <translation>Valore punto 3</translation>
        </message>
        <message>
            <source> Calculate contrast on </source>
            <translation> Calcola contrasto su </translation>
        </message>
        <message>
            <source>Density</source>
            <translation>Densità</translation>
        </message>
        <message>
            <source>Reference</source>
            <translation>Riferimento</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>Filtro</translation>
        </message>
        <message>
            <source>Spectro setup</source>
            <translation>Impostazioni spettro</translation>
        </message>
        <message>
            <source>ColorSpace</source>
            <translation>Spazio colore</translation>
        </message>
        <message>
            <source>Illuminant</source>
            <translation>Illuminante</translation>
        </message>
        <message>
            <source>Observer</source>
            <translation>Osservatore</translation>
        </message>
        <message>
            <source>Calibrate the instrument on its calibration plate</source>
            <translation>Calibra lo strumento sulla sua piastra di calibrazione</translation>
        </message>
        <message>
            <source>Measure the paper, so that densities are relative to paper white</source>
            <translation>Misura la carta, per avere densità relative al bianco carta</translation>
        </message>
        <message>
            <source>Close Kelvora</source>
            <translation>Chiudi Kelvora</translation>
        </message>
        <message>
            <source>Choose the language of the program</source>
            <translation>Scegli la lingua del programma</translation>
        </message>
        <message>
            <source>The look of the program&apos;s windows</source>
            <translation>L&apos;aspetto delle finestre del programma</translation>
        </message>
        <message>
            <source>Show what the instrument reports about itself</source>
            <translation>Mostra ciò che lo strumento comunica di sé</translation>
        </message>
        <message>
            <source>Decimals shown for densities</source>
            <translation>Decimali mostrati per le densità</translation>
        </message>
        <message>
            <source>Densities absolute or relative to the paper</source>
            <translation>Densità assolute o relative alla carta</translation>
        </message>
        <message>
            <source>Density standard of the instrument&apos;s filters</source>
            <translation>Standard di densità dei filtri dello strumento</translation>
        </message>
        <message>
            <source>All densities</source>
            <translation>Tutte le densità</translation>
        </message>
        <message>
            <source>Densities diff</source>
            <translation>Differenze densità</translation>
        </message>
        <message>
            <source>Dot Gain</source>
            <translation>Ingrossamento</translation>
        </message>
        <message>
            <source>Print curve</source>
            <translation>Curva di stampa</translation>
        </message>
        <message>
            <source>Dot Gain curve</source>
            <translation>Curva ingrossamento</translation>
        </message>
        <message>
            <source>Dot Area</source>
            <translation>Area del punto</translation>
        </message>
        <message>
            <source>Print Contrast</source>
            <translation>Contrasto di stampa</translation>
        </message>
        <message>
            <source>Trapping</source>
            <translation>Trapping</translation>
        </message>
        <message>
            <source>Hue error</source>
            <translation>Errore di tinta</translation>
        </message>
        <message>
            <source>Grayness</source>
            <translation>Grigiore</translation>
        </message>
        <message>
            <source>Colorimetry</source>
            <translation>Colorimetria</translation>
        </message>
        <message>
            <source>Reflectance</source>
            <translation>Riflettanza</translation>
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
            <translation>Conversione ICC</translation>
        </message>
        <message>
            <source>Visual match</source>
            <translation>Confronto visivo</translation>
        </message>
        <message>
            <source>Densitometry</source>
            <translation>Densitometria</translation>
        </message>
        <message>
            <source>Spectro</source>
            <translation>Spettro</translation>
        </message>
        <message>
            <source>Setup</source>
            <translation>Impostazioni</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Informazioni</translation>
        </message>
        <message>
            <source>Skin engine off</source>
            <translation>Skin disattivate</translation>
        </message>
        <message>
            <source>skin 1</source>
            <translation>skin 1</translation>
        </message>
        <message>
            <source>skin 2</source>
            <translation>skin 2</translation>
        </message>
        <message>
            <source>skin 3</source>
            <translation>skin 3</translation>
        </message>
        <message>
            <source>skin 4</source>
            <translation>skin 4</translation>
        </message>
        <message>
            <source>skin 5</source>
            <translation>skin 5</translation>
        </message>
        <message>
            <source>Absolute</source>
            <translation>Assoluta</translation>
        </message>
        <message>
            <source>Paper white</source>
            <translation>Bianco carta</translation>
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
            <translation>Versione %1 - %2</translation>
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
controllo qualità del colore per la sala stampa

Appoggiate lo strumento su una barra di controllo, premete il suo pulsante, e Kelvora mostra subito che cosa significa la misura per la vostra stampa.

Densitometria: densità di ciano, magenta, giallo e nero, la loro storia e le differenze, area del punto, ingrossamento del punto, contrasto di stampa, curva di stampa, trapping, errore di tinta e grigiore.

Spettro: riflettanza, valori colorimetrici CIE con l&apos;illuminante e l&apos;osservatore che preferite, differenze di colore, metamerismo, un confronto visivo e la conversione di un colore misurato attraverso un profilo ICC di uscita.

Kelvora Colour Systems
crea strumenti per gli stampatori che vogliono il colore misurato, non indovinato.

Grazie di lavorare con Kelvora.</translation>
        </message>
        <message>
            <source>Searching instrument...</source>
            <translation>Ricerca dello strumento...</translation>
        </message>
        <message>
            <source>I1 not connected</source>
            <translation>I1 non collegato</translation>
        </message>
        <message>
            <source>Instrument not found</source>
            <translation>Strumento non trovato</translation>
        </message>
        <message>
            <source>EyeOne sn. </source>
            <translation>EyeOne n/s </translation>
        </message>
        <message>
            <source>Instrument found</source>
            <translation>Strumento trovato</translation>
        </message>
        <message>
            <source>Calibration...</source>
            <translation>Calibrazione...</translation>
        </message>
        <message>
            <source>Calibrated</source>
            <translation>Calibrato</translation>
        </message>
        <message>
            <source>Ready...</source>
            <translation>Pronto...</translation>
        </message>
        <message>
            <source>Measure...</source>
            <translation>Misura...</translation>
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
            <translation>Cartella del registro delle misure</translation>
        </message>
        <message>
            <source>Measurement log NOT written!</source>
            <translation>Registro misure NON scritto!</translation>
        </message>
        <message>
            <source>The measurement log of this session is %1 (readings: %2).</source>
            <translation>Il registro delle misure di questa sessione è %1 (misure: %2).</translation>
        </message>
        <message>
            <source>The measurement log %1 could not be written: %2 readings of this session are not in it.</source>
            <translation>Impossibile scrivere il registro delle misure %1: mancano %2 misure di questa sessione.</translation>
        </message>
        <message>
            <source>Keep a measurement log</source>
            <translation>Tieni un registro delle misure</translation>
        </message>
        <message>
            <source>Log folder...</source>
            <translation>Cartella registro...</translation>
        </message>
        <message>
            <source>Choose the folder the measurement log is written to</source>
            <translation>Scegli la cartella in cui scrivere il registro delle misure</translation>
        </message>
        <message>
            <source>Measurement log off; folder: %1</source>
            <translation>Registro misure disattivato; cartella: %1</translation>
        </message>
        <message>
            <source>This session&apos;s log will be in %1</source>
            <translation>Il registro di questa sessione sarà in %1</translation>
        </message>
        <message>
            <source>Cannot write %1: %2 readings kept until it can be written</source>
            <translation>Impossibile scrivere %1: %2 misure conservate finché non sarà possibile</translation>
        </message>
        <message>
            <source>This session&apos;s log: %1</source>
            <translation>Registro di questa sessione: %1</translation>
        </message>
    </context>
    <context>
        <name>TMeasurePDlg</name>
        <message>
            <source>Measure paper or substrate</source>
            <translation>Misurare la carta o il supporto</translation>
        </message>
        <message>
            <source>Paper measurement</source>
            <translation>Misura della carta</translation>
        </message>
        <message>
            <source>Substrated measured!</source>
            <translation>Supporto misurato!</translation>
        </message>
    </context>
    <context>
        <name>TSkins</name>
        <message>
            <source>Graphite</source>
            <translation>Grafite</translation>
        </message>
        <message>
            <source>Ocean</source>
            <translation>Oceano</translation>
        </message>
        <message>
            <source>Press room</source>
            <translation>Sala stampa</translation>
        </message>
        <message>
            <source>Daylight</source>
            <translation>Luce diurna</translation>
        </message>
        <message>
            <source>Proof</source>
            <translation>Prova di stampa</translation>
        </message>
    </context>
    <context>
        <name>TSpectroPages</name>
        <message>
            <source>Sample</source>
            <translation>Campione</translation>
        </message>
        <message>
            <source>Measure</source>
            <translation>Misura</translation>
        </message>
        <message>
            <source>Differences</source>
            <translation>Differenze</translation>
        </message>
        <message>
            <source>Sample measurement</source>
            <translation>Misura campione</translation>
        </message>
        <message>
            <source>Color measurement</source>
            <translation>Misura colore</translation>
        </message>
        <message>
            <source>I.M.:</source>
            <translation>I.M.:</translation>
        </message>
        <message>
            <source>(d50-2°)</source>
            <translation>(d50-2°)</translation>
        </message>
        <message>
            <source>Illuminant</source>
            <translation>Illuminante</translation>
        </message>
        <message>
            <source>(press ctrl for Measure)</source>
            <translation>(premere ctrl per Misura)</translation>
        </message>
        <message>
            <source>Illuminants</source>
            <translation>Illuminanti</translation>
        </message>
    </context>
</TS>
