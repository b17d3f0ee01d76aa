<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AnalysisBandLegend</name>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Résiduel</translation>
    </message>
</context>
<context>
    <name>AnalysisSession</name>
    <message>
        <source>The source mark %1 overlaps the residual mark %2: a minute cannot be heard both with and without the noise. Change or remove one of them first.</source>
        <translation>Le repère de source %1 chevauche le repère de bruit résiduel %2 : une minute ne peut pas être entendue à la fois avec et sans le bruit. Modifiez ou supprimez l’un des deux d’abord.</translation>
    </message>
</context>
<context>
    <name>AnalysisSidePanel</name>
    <message>
        <source>Marks</source>
        <translation>Repères</translation>
    </message>
    <message>
        <source>reason, e.g. rain, the fan running</source>
        <translation>motif, p. ex. pluie, ventilateur en marche</translation>
    </message>
    <message>
        <source>Mark as source</source>
        <translation>Marquer comme source</translation>
    </message>
    <message>
        <source>Mark as residual</source>
        <translation>Marquer comme résiduel</translation>
    </message>
    <message>
        <source>Mark runs above threshold as source</source>
        <translation>Marquer les dépassements du seuil comme source</translation>
    </message>
</context>
<context>
    <name>AssessmentTab</name>
    <message>
        <source>Measured indoors (gate 25 dB)</source>
        <translation>Mesure à l’intérieur (seuil 25 dB)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Norme</translation>
    </message>
    <message>
        <source>Choose a standard to assess the noise marked as source against the residual: without a residual mark, every minute neither excluded nor source is residual.</source>
        <translation>Choisissez une norme pour évaluer le bruit marqué comme source par rapport au bruit résiduel : sans repère résiduel, toute minute ni exclue ni source est résiduelle.</translation>
    </message>
    <message>
        <source>%1 (%2). Minutes measured %3, source %4, residual %5, excluded %6.</source>
        <translation>%1 (%2). Minutes mesurées %3, source %4, résiduel %5, exclues %6.</translation>
    </message>
    <message>
        <source>Worst period: %1</source>
        <translation>Période la plus défavorable : %1</translation>
    </message>
</context>
<context>
    <name>AssessmentText</name>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>French neighbourhood noise</source>
        <translation>Bruit de voisinage (France)</translation>
    </message>
    <message>
        <source>French classified installation</source>
        <translation>Installation classée (France)</translation>
    </message>
    <message>
        <source>BS 4142 background</source>
        <translation>Bruit de fond BS 4142</translation>
    </message>
    <message>
        <source>Code de la santé publique, articles R1336-6 and R1336-7</source>
        <translation>Code de la santé publique, articles R1336-6 et R1336-7</translation>
    </message>
    <message>
        <source>Order of 23 January 1997 on the noise of classified installations</source>
        <translation>Arrêté du 23 janvier 1997 relatif aux bruits des installations classées</translation>
    </message>
    <message>
        <source>BS 4142:2014+A1:2019</source>
        <translation>BS 4142:2014+A1:2019</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>holiday</source>
        <translation>jour férié</translation>
    </message>
    <message>
        <source>night</source>
        <translation>nuit</translation>
    </message>
    <message>
        <source>compliant</source>
        <translation>conforme</translation>
    </message>
    <message>
        <source>exceeds</source>
        <translation>dépasse</translation>
    </message>
    <message>
        <source>below the gate</source>
        <translation>sous le seuil d’application</translation>
    </message>
    <message>
        <source>not assessable</source>
        <translation>non évaluable</translation>
    </message>
    <message>
        <source>, not conclusive</source>
        <translation>, non concluant</translation>
    </message>
    <message>
        <source>No period has both source and residual minutes above the gate: there is no worst period.</source>
        <translation>Aucune période n’a à la fois des minutes de source et de résiduel au-dessus du seuil : pas de période la plus défavorable.</translation>
    </message>
    <message>
        <source>%1 of %2: emergence %3 dB for a limit of %4 dB: %5</source>
        <translation>%1 du %2 : émergence %3 dB pour une limite de %4 dB : %5</translation>
    </message>
</context>
<context>
    <name>BackgroundIntervalModel</name>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Length (min)</source>
        <translation>Durée (min)</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Residual (min)</source>
        <translation>Résiduel (min)</translation>
    </message>
    <message>
        <source>L90 (dB)</source>
        <translation>L90 (dB)</translation>
    </message>
</context>
<context>
    <name>BackgroundLevelModel</name>
    <message>
        <source>%1 dB: %2</source>
        <translation>%1 dB : %2</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalles</translation>
    </message>
    <message>
        <source>Mode (dB)</source>
        <translation>Mode (dB)</translation>
    </message>
    <message>
        <source>Median (dB)</source>
        <translation>Médiane (dB)</translation>
    </message>
    <message>
        <source>Histogram of the L90</source>
        <translation>Histogramme des L90</translation>
    </message>
</context>
<context>
    <name>EmergenceTableModel</name>
    <message>
        <source>overall</source>
        <translation>ensemble</translation>
    </message>
    <message>
        <source>Not conclusive: the emergence is within 2 dB of the limit</source>
        <translation>Non concluant : l’émergence est à moins de 2 dB de la limite</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Source (min)</source>
        <translation>Source (min)</translation>
    </message>
    <message>
        <source>Ambient (dB)</source>
        <translation>Ambiant (dB)</translation>
    </message>
    <message>
        <source>Residual (dB)</source>
        <translation>Résiduel (dB)</translation>
    </message>
    <message>
        <source>Indicator</source>
        <translation>Indicateur</translation>
    </message>
    <message>
        <source>Emergence (dB)</source>
        <translation>Émergence (dB)</translation>
    </message>
    <message>
        <source>Term (dB)</source>
        <translation>Terme (dB)</translation>
    </message>
    <message>
        <source>Limit (dB)</source>
        <translation>Limite (dB)</translation>
    </message>
    <message>
        <source>Margin (dB)</source>
        <translation>Marge (dB)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
</context>
<context>
    <name>MarkText</name>
    <message>
        <source>source</source>
        <translation>source</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>résiduel</translation>
    </message>
    <message>
        <source>excluded</source>
        <translation>exclu</translation>
    </message>
</context>
<context>
    <name>frmAnalysis</name>
    <message>
        <source>Save marks</source>
        <translation>Enregistrer les repères</translation>
    </message>
    <message>
        <source>Marks (*.txt);;All files (*)</source>
        <translation>Repères (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source> marks.txt</source>
        <translation> repères.txt</translation>
    </message>
    <message>
        <source>Load marks</source>
        <translation>Charger des repères</translation>
    </message>
    <message>
        <source>Set a threshold in &quot;Settings&quot; first: the runs above it become sources.</source>
        <translation>Fixez d’abord un seuil dans « Réglages » : les dépassements deviennent des sources.</translation>
    </message>
    <message>
        <source>No minute of the analysed period is above %1 dB.</source>
        <translation>Aucune minute de la période analysée ne dépasse %1 dB.</translation>
    </message>
    <message numerus="yes">
        <source>Mark %n run(s) of minutes above %1 dB as source?</source>
        <translation>
            <numerusform>Marquer %n dépassement de %1 dB comme source ?</numerusform>
            <numerusform>Marquer %n dépassements de %1 dB comme source ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Mark as source</source>
        <translation>Marquer comme source</translation>
    </message>
    <message>
        <source>above %1 dB</source>
        <translation>au-dessus de %1 dB</translation>
    </message>
    <message>
        <source>Make it %1</source>
        <translation>En faire : %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Assessment</source>
        <translation>Évaluation</translation>
    </message>
</context>
</TS>
