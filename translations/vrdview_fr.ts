<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AnalysisChart</name>
    <message>
        <source>Level (dB)</source>
        <translation>Niveau (dB)</translation>
    </message>
    <message>
        <source>Leq 1 min</source>
        <translation>Leq 1 min</translation>
    </message>
    <message>
        <source>no record</source>
        <translation>aucun enregistrement</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>interruption</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Soirée</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Excluded</source>
        <translation>Période exclue</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Sliding Leq %1 min</source>
        <translation>Leq glissant %1 min</translation>
    </message>
    <message>
        <source>Point at the chart to read a minute. Drag to select a period; Ctrl+drag zooms into a box; Home or Esc shows the whole period.</source>
        <translation>Pointer pour lire une minute&#xa0;; glisser pour sélectionner une période&#xa0;; Ctrl+glisser pour zoomer sur un cadre&#xa0;; Début ou Échap&#xa0;: toute la période.</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bruit particulier</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Bruit résiduel</translation>
    </message>
    <message>
        <source>Day %1–%2</source>
        <translation>Diurne %1–%2</translation>
    </message>
    <message>
        <source>Night %1–%2</source>
        <translation>Nocturne %1–%2</translation>
    </message>
    <message>
        <source>Point at the chart to read a sample. Drag to select a period; Ctrl+drag zooms into a box; Home or Esc shows the whole period.</source>
        <translation>Pointer pour lire un échantillon&#xa0;; glisser pour sélectionner une période&#xa0;; Ctrl+glisser pour zoomer sur un cadre&#xa0;; Début ou Échap&#xa0;: toute la période.</translation>
    </message>
</context>
<context>
    <name>AnalysisCommandRow</name>
    <message>
        <source>Save report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Save tables as spreadsheet</source>
        <translation>Exporter les tableaux</translation>
    </message>
    <message>
        <source>Sliding Leq</source>
        <translation>Leq glissant</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Day/evening/night</source>
        <translation>Jour/soirée/nuit</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>Périodes exclues</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
</context>
<context>
    <name>AnalysisFileState</name>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>The analysis &quot;%1&quot; has changes that are not saved.</source>
        <translation>L’analyse «&#xa0;%1&#xa0;» comporte des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Les enregistrer d’abord&#xa0;?</translation>
    </message>
</context>
<context>
    <name>AnalysisPrompts</name>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2. Nothing was changed on disk.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être écrit&#xa0;: %2. Rien n’a été modifié sur le disque.</translation>
    </message>
    <message>
        <source>analysis</source>
        <translation>analyse</translation>
    </message>
</context>
<context>
    <name>AnalysisReport</name>
    <message>
        <source>none</source>
        <comment>threshold</comment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>none</source>
        <comment>file</comment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>none</source>
        <comment>exclusion</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Noise measurement report</source>
        <translation>Rapport de mesurage acoustique</translation>
    </message>
    <message numerus="yes">
        <source>+ %n more</source>
        <translation>
            <numerusform>+ %n autre</numerusform>
            <numerusform>+ %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>no minute</source>
        <translation>aucune minute</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Taux de couverture</translation>
    </message>
    <message>
        <source>Minutes measured</source>
        <translation>Minutes mesurées</translation>
    </message>
    <message>
        <source>Minutes excluded</source>
        <translation>Minutes exclues</translation>
    </message>
    <message>
        <source>Leq</source>
        <translation>Niveau équivalent Leq</translation>
    </message>
    <message>
        <source>Lmax</source>
        <translation>Niveau maximal Lmax</translation>
    </message>
    <message>
        <source>Lmin</source>
        <translation>Niveau minimal Lmin</translation>
    </message>
    <message>
        <source>Minutes above threshold</source>
        <translation>Minutes au-dessus du seuil</translation>
    </message>
    <message>
        <source>Events above threshold</source>
        <translation>Dépassements du seuil</translation>
    </message>
    <message>
        <source>Longest event</source>
        <translation>Plus long dépassement</translation>
    </message>
    <message>
        <source>Carpet of the minutes</source>
        <translation>Tapis des niveaux minute par minute</translation>
    </message>
    <message>
        <source>One row a date, one column a minute of the day; each minute&apos;s level in dB on the colour scale at the right. White: no level; grey: excluded. Dashed lines: the start of the day, evening and night.</source>
        <translation>Une ligne par date, une colonne par minute de la journée&#xa0;; le niveau de chaque minute, en dB, suit l’échelle de couleurs à droite. Blanc&#xa0;: pas de niveau&#xa0;; gris&#xa0;: période exclue. Tirets&#xa0;: début des périodes de jour, de soirée et de nuit.</translation>
    </message>
    <message>
        <source>Daily profile</source>
        <translation>Profil journalier</translation>
    </message>
    <message>
        <source>For each hour of the day, the energy mean of that hour&apos;s Leq over the dates (dB); the band runs from the lowest to the highest hourly Leq of the dates.</source>
        <translation>Pour chaque heure de la journée, moyenne énergétique du Leq de cette heure sur l’ensemble des dates (dB)&#xa0;; la bande s’étend du plus faible au plus fort Leq horaire des dates.</translation>
    </message>
    <message>
        <source> Weekdays and weekends apart.</source>
        <translation> Jours de semaine et week-ends sont tracés à part.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Analysed period and settings</source>
        <translation>Période analysée et paramètres</translation>
    </message>
    <message>
        <source>Period: %1</source>
        <translation>Période&#xa0;: %1</translation>
    </message>
    <message>
        <source> (coverage %1)</source>
        <translation> (taux de couverture %1)</translation>
    </message>
    <message>
        <source>Day %1–%2, evening %2–%3, night %3–%1; penalties %4 evening, %5 night</source>
        <translation>Jour %1–%2, soirée %2–%3, nuit %3–%1&#xa0;; majorations de %4 en soirée et de %5 la nuit</translation>
    </message>
    <message>
        <source>Threshold: %1; minimum coverage of a period: %2</source>
        <translation>Seuil&#xa0;: %1&#xa0;; taux de couverture minimal d’une période&#xa0;: %2</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Résultats par jour</translation>
    </message>
    <message>
        <source>A shaded figure rests on too little data: its period&apos;s coverage is below %1.</source>
        <translation>Une valeur sur fond coloré repose sur trop peu de données&#xa0;: le taux de couverture de sa période est inférieur à %1.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Site: %1</source>
        <translation>Site&#xa0;: %1</translation>
    </message>
    <message>
        <source>Serial: %1</source>
        <translation>N° de série&#xa0;: %1</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers analysés</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>Périodes exclues</translation>
    </message>
    <message>
        <source>%1 to %2   %3</source>
        <translation>du %1 au %2   %3</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Évolution des niveaux</translation>
    </message>
    <message>
        <source>Figures of the analysed period</source>
        <translation>Résultats sur l’ensemble de la période analysée</translation>
    </message>
    <message>
        <source>1-minute levels in dB over the whole analysed period, %1.</source>
        <translation>Niveaux Leq 1 min en dB sur toute la période analysée, %1.</translation>
    </message>
    <message>
        <source>1-minute levels in dB from %1, a part of the analysed period (the figures are those of the whole period).</source>
        <translation>Niveaux Leq 1 min en dB %1, partie de la période analysée (les résultats sont ceux de la période entière).</translation>
    </message>
    <message>
        <source> Evenings are shaded yellow, nights blue.</source>
        <translation> Les soirées sont sur fond jaune, les nuits sur fond bleu.</translation>
    </message>
    <message>
        <source> Excluded periods are hatched.</source>
        <translation> Les périodes exclues sont hachurées.</translation>
    </message>
    <message>
        <source> The dashed red line is the threshold.</source>
        <translation> Le trait rouge discontinu indique le seuil.</translation>
    </message>
    <message>
        <source> The sliding Leq over %1 min is drawn beside them.</source>
        <translation> Le Leq glissant sur %1 min est tracé en regard.</translation>
    </message>
    <message>
        <source>No mark: no minute is heard with the noise.</source>
        <translation>Aucun repère&#xa0;: aucune minute n’est repérée en bruit particulier.</translation>
    </message>
    <message>
        <source>Verdict by period</source>
        <translation>Conclusion par période</translation>
    </message>
    <message>
        <source>Background sound level</source>
        <translation>Niveau de bruit de fond</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalles</translation>
    </message>
    <message>
        <source>Assessment</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>, measured indoors</source>
        <translation>, mesure à l’intérieur</translation>
    </message>
    <message>
        <source>Standard: %1 (%2)</source>
        <translation>Référentiel&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Minutes measured %1: source %2, residual %3; excluded %4</source>
        <translation>Minutes mesurées %1&#xa0;: bruit particulier %2, bruit résiduel %3&#xa0;; exclues %4</translation>
    </message>
    <message>
        <source>Background sound level: the L90 histogram</source>
        <translation>Niveau de bruit de fond&#xa0;: histogramme des L90</translation>
    </message>
    <message>
        <source>How many intervals had each L90, rounded to the whole dB: each hour by day, each quarter hour at night. The background level is read from the darker bar, the mode.</source>
        <translation>Nombre d’intervalles pour chaque L90 arrondi au décibel près&#xa0;: chaque heure en période diurne, chaque quart d’heure en période nocturne. Le niveau de bruit de fond se lit sur la barre la plus foncée, le mode.</translation>
    </message>
    <message>
        <source>Distribution of the levels</source>
        <translation>Répartition des niveaux</translation>
    </message>
    <message>
        <source>The measured minutes of the analysed period by their 1-minute Leq: the share of the time at each whole dB (bars) and above it (lines), with L10, L50 and L90.</source>
        <translation>Minutes mesurées de la période analysée, selon leur LAeq sur 1 minute&#xa0;: part du temps à chaque décibel (barres) et au-dessus (courbes), avec L10, L50 et L90.</translation>
    </message>
    <message>
        <source> Source and residual minutes apart.</source>
        <translation> Bruit particulier et bruit résiduel séparés.</translation>
    </message>
    <message>
        <source>The WHO guideline values are long-term averages at the most exposed facade: levels measured over some days are an indication of them.</source>
        <translation>Les valeurs guides de l’OMS sont des moyennes à long terme en façade la plus exposée&#xa0;: des niveaux mesurés sur quelques jours n’en donnent qu’une indication.</translation>
    </message>
    <message>
        <source>The background sound level is found over the minutes heard without the specific sound: those marked residual, or every minute neither excluded nor marked source. Its L90 comes from 1-minute Leq values: it approaches, but is not, the LA90 of a fast time weighting.</source>
        <translation>Le niveau de bruit de fond est calculé sur les minutes sans le bruit particulier&#xa0;: celles repérées en bruit résiduel ou, à défaut, toutes les minutes ni exclues ni repérées en bruit particulier. Son L90 est calculé à partir des LAeq sur 1 minute&#xa0;: il approche, sans l’égaler, le LA90 mesuré avec la pondération temporelle Fast.</translation>
    </message>
    <message>
        <source>The ambient noise is measured over the minutes marked as the noise under assessment (source), the residual noise over the minutes marked residual, or with no residual mark over every other minute kept. The statistical levels come from 1-minute Leq values, not from a fast time weighting.</source>
        <translation>Le bruit ambiant est mesuré sur les minutes repérées en bruit particulier, le bruit résiduel sur les minutes repérées en bruit résiduel ou, sans repère de bruit résiduel, sur toutes les autres minutes conservées. Les indices statistiques sont calculés à partir des LAeq sur 1 minute et non avec la pondération temporelle Fast.</translation>
    </message>
    <message>
        <source>Source: minutes of the noise under assessment; ambient, residual and emergence: levels of the indicator; term: the duration term added to the limit. A row on a light orange ground is not conclusive, the side it leans to in smaller words; what weakens a verdict is written under its row. Only the periods in which the noise was heard are listed; the last rows pool every period of a kind.</source>
        <translation>Bruit particulier&#xa0;: durée d’apparition en minutes&#xa0;; bruit ambiant, bruit résiduel et émergence&#xa0;: niveaux de l’indicateur&#xa0;; terme correctif&#xa0;: terme de durée ajouté à la valeur limite. Une ligne sur fond orange clair est non concluante, le côté vers lequel elle penche étant indiqué en petits caractères&#xa0;; ce qui fragilise une conclusion est écrit sous sa ligne. Seules les périodes où le bruit particulier a été repéré figurent&#xa0;; les dernières lignes regroupent toutes les périodes d’un même type.</translation>
    </message>
    <message>
        <source>not representative</source>
        <translation>non représentatif</translation>
    </message>
    <message>
        <source>No level repeats among the intervals: the mode is not representative; read the median, %1 dB.</source>
        <translation>Aucun niveau ne se répète parmi les intervalles&#xa0;: le mode n’est pas représentatif&#xa0;; retenir la médiane, %1&#xa0;dB.</translation>
    </message>
    <message>
        <source>The intervals holding residual minutes; one on a light orange ground has too few of them for an L90.</source>
        <translation>Les intervalles comportant des minutes de bruit résiduel&#xa0;; un intervalle sur fond orange clair en compte trop peu pour un L90.</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <translation>Conclusion de l’évaluation</translation>
    </message>
    <message>
        <source>Minutes assessed</source>
        <translation>Minutes évaluées</translation>
    </message>
    <message>
        <source>Appendix: source and residual marks</source>
        <translation>Annexe&#xa0;: repères de bruit particulier et de bruit résiduel</translation>
    </message>
    <message>
        <source>Rules applied</source>
        <translation>Règles appliquées</translation>
    </message>
    <message>
        <source> The standard&apos;s nights, %1–%2, are shaded blue.</source>
        <translation> Les périodes nocturnes de la norme, %1–%2, sont sur fond bleu.</translation>
    </message>
    <message>
        <source>Day cov.</source>
        <translation>Couv. jour</translation>
    </message>
    <message>
        <source>Evening cov.</source>
        <translation>Couv. soirée</translation>
    </message>
    <message>
        <source>Night cov.</source>
        <translation>Couv. nuit</translation>
    </message>
    <message>
        <source>Time measured</source>
        <translation>Durée mesurée</translation>
    </message>
    <message>
        <source>Samples measured</source>
        <translation>Échantillons mesurés</translation>
    </message>
    <message>
        <source>Time excluded</source>
        <translation>Durée exclue</translation>
    </message>
    <message>
        <source>Time above threshold</source>
        <translation>Durée au-dessus du seuil</translation>
    </message>
    <message>
        <source>The background sound level of each interval is the arithmetic mean of the LA90 values the meter gives for the samples heard without the specific sound (those marked residual, or every sample neither excluded nor marked source), the interval being measured for at least 80 % of its length.</source>
        <translation>Le niveau de bruit de fond de chaque intervalle est la moyenne arithmétique des valeurs de LA90 que le sonomètre donne pour les échantillons entendus sans le bruit particulier (ceux repérés en bruit résiduel, ou chaque échantillon ni exclu ni repéré en bruit particulier), l’intervalle étant mesuré sur au moins 80&#xa0;% de sa durée.</translation>
    </message>
    <message>
        <source>The background sound level is found over the samples heard without the specific sound: those marked residual, or every sample neither excluded nor marked source. Its L90 comes from the Leq values of %1 samples: it approaches, but is not, the LA90 of a fast time weighting.</source>
        <translation>Le niveau de bruit de fond est déterminé sur les échantillons entendus sans le bruit particulier&#xa0;: ceux repérés en bruit résiduel, ou chaque échantillon ni exclu ni repéré en bruit particulier. Son L90 est calculé à partir des Leq d’échantillons de %1&#xa0;: il approche, sans l’égaler, le LA90 de la pondération temporelle Fast.</translation>
    </message>
    <message>
        <source>The ambient noise is measured over the samples marked as the noise under assessment (source), the residual noise over the samples marked residual, or with no residual mark over every other sample kept. The statistical levels come from the Leq values of %1 samples, not from a fast time weighting.</source>
        <translation>Le bruit ambiant est mesuré sur les échantillons repérés comme bruit particulier, le bruit résiduel sur les échantillons repérés en bruit résiduel ou, sans repère de bruit résiduel, sur tous les autres échantillons conservés. Les indices statistiques sont calculés à partir des Leq d’échantillons de %1, et non de la pondération temporelle Fast.</translation>
    </message>
    <message>
        <source>Samples assessed</source>
        <translation>Échantillons évalués</translation>
    </message>
    <message>
        <source>Samples of %1 measured %2: source %3, residual %4; excluded %5 s</source>
        <translation>Échantillons de %1 mesurés %2&#xa0;: bruit particulier %3, bruit résiduel %4&#xa0;; exclus %5&#xa0;s</translation>
    </message>
</context>
<context>
    <name>AnalysisSession</name>
    <message>
        <source>The source mark %1 overlaps the residual mark %2: a minute cannot be heard both with and without the noise. Change or remove one of them first.</source>
        <translation>Le repère de bruit particulier %1 chevauche le repère de bruit résiduel %2&#xa0;: une minute ne peut pas être entendue à la fois avec et sans le bruit. Modifiez ou supprimez l’un des deux d’abord.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: its samples are %2 long, those of &quot;%3&quot; %4: files of different steps make separate analyses.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: ses échantillons durent %2, ceux de «&#xa0;%3&#xa0;» %4&#xa0;: des fichiers de pas différents font des analyses séparées.</translation>
    </message>
</context>
<context>
    <name>AnalysisSettingsTab</name>
    <message>
        <source>Exceedance</source>
        <translation>Dépassements</translation>
    </message>
    <message>
        <source>day from</source>
        <translation>jour à partir de</translation>
    </message>
    <message>
        <source>evening from</source>
        <translation>soirée à partir de</translation>
    </message>
    <message>
        <source>night from</source>
        <translation>nuit à partir de</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Périodes</translation>
    </message>
    <message>
        <source>evening +</source>
        <translation>soirée +</translation>
    </message>
    <message>
        <source>night +</source>
        <translation>nuit +</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Majorations</translation>
    </message>
    <message>
        <source>Minimum coverage</source>
        <translation>Taux de couverture minimal</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Report language</source>
        <translation>Langue du rapport</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Window&apos;s language</source>
        <translation>Langue de la fenêtre</translation>
    </message>
    <message>
        <source>Road traffic</source>
        <translation>Trafic routier</translation>
    </message>
    <message>
        <source>Railways</source>
        <translation>Trafic ferroviaire</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Trafic aérien</translation>
    </message>
    <message>
        <source>Wind turbines</source>
        <translation>Éoliennes</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>Union européenne</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>US Ldn</source>
        <translation>États-Unis (Ldn)</translation>
    </message>
    <message>
        <source>US CNEL</source>
        <translation>États-Unis (CNEL)</translation>
    </message>
    <message>
        <source>Day %1–%2, evening %2–%3, night %3–%1; penalties %4 evening, %5 night; %6</source>
        <translation>Jour %1–%2, soirée %2–%3, nuit %3–%1&#xa0;; majorations de %4 en soirée et de %5 la nuit&#xa0;; %6</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>WHO guideline</source>
        <translation>Valeurs guides de l’OMS</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>The WHO Environmental Noise Guidelines (2018) for this source: the days and the statistics mark Lden and Lnight above them</source>
        <translation>Les lignes directrices de l’OMS relatives au bruit dans l’environnement (2018) pour cette source&#xa0;: les jours et les statistiques signalent les Lden et Lnight qui les dépassent</translation>
    </message>
</context>
<context>
    <name>AnalysisSidePanel</name>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>yyyy-mm-dd hh:mm</source>
        <translation>jj/mm/aaaa hh:mm</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Whole period</source>
        <translation>Toute la période</translation>
    </message>
    <message>
        <source>Exclude selection</source>
        <translation>Exclure la sélection</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Charger…</translation>
    </message>
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
        <translation>Bruit particulier</translation>
    </message>
    <message>
        <source>Mark as residual</source>
        <translation>Bruit résiduel</translation>
    </message>
    <message>
        <source>filter by kind, time or reason</source>
        <translation>filtrer par type, heure ou motif</translation>
    </message>
    <message>
        <source>Mark runs above threshold...</source>
        <translation>Repérer les dépassements du seuil…</translation>
    </message>
</context>
<context>
    <name>AnalysisWorkbook</name>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Day coverage</source>
        <translation>Taux de couverture jour</translation>
    </message>
    <message>
        <source>Evening coverage</source>
        <translation>Taux de couverture soirée</translation>
    </message>
    <message>
        <source>Night coverage</source>
        <translation>Taux de couverture nuit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Assessment</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Période diurne</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Dimanche ou jour férié</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Période nocturne</translation>
    </message>
</context>
<context>
    <name>AssessmentColumns</name>
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
        <translation>Bruit particulier (min)</translation>
    </message>
    <message>
        <source>Ambient (dB)</source>
        <translation>Bruit ambiant (dB)</translation>
    </message>
    <message>
        <source>Residual (dB)</source>
        <translation>Bruit résiduel (dB)</translation>
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
        <translation>Terme correctif (dB)</translation>
    </message>
    <message>
        <source>Limit (dB)</source>
        <translation>Valeur limite (dB)</translation>
    </message>
    <message>
        <source>Margin (dB)</source>
        <translation>Marge (dB)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Conclusion</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Length (min)</source>
        <translation>Durée (min)</translation>
    </message>
    <message>
        <source>Residual (min)</source>
        <translation>Bruit résiduel (min)</translation>
    </message>
    <message>
        <source>L90 (dB)</source>
        <translation>L90 (dB)</translation>
    </message>
    <message>
        <source>Intervals with an L90</source>
        <translation>Intervalles avec un L90</translation>
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
    <name>AssessmentConclusion</name>
    <message>
        <source>All day periods</source>
        <translation>Ensemble des périodes diurnes</translation>
    </message>
    <message>
        <source>All Sundays and public holidays</source>
        <translation>Ensemble des dimanches et jours fériés</translation>
    </message>
    <message>
        <source>All night periods</source>
        <translation>Ensemble des périodes nocturnes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Worst period: %1</source>
        <translation>Cas le plus défavorable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Periods in which the noise was heard: %1 — compliant %2, exceeding %3, not conclusive %4, without data %5</source>
        <translation>Périodes où le bruit particulier a été repéré&#xa0;: %1 — conformes %2, non conformes %3, non concluantes %4, sans données %5</translation>
    </message>
    <message>
        <source>, below the gate %1</source>
        <translation>, sous le seuil %1</translation>
    </message>
    <message>
        <source>Notes weakening a verdict: %1.</source>
        <translation>Remarques qui fragilisent une conclusion&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Background, %1: no interval has an L90.</source>
        <translation>Bruit de fond, période %1&#xa0;: aucun intervalle n’a de L90.</translation>
    </message>
    <message>
        <source>Background, %1: mode %2 dB, not representative (no level repeats among its %3 intervals): median %4 dB.</source>
        <translation>Bruit de fond, période %1&#xa0;: mode %2&#xa0;dB, non représentatif (aucun niveau ne se répète parmi ses %3 intervalles)&#xa0;: médiane %4&#xa0;dB.</translation>
    </message>
    <message>
        <source>Background, %1: %2 dB (the mode of %3 intervals), median %4 dB.</source>
        <translation>Bruit de fond, période %1&#xa0;: %2&#xa0;dB (le mode de %3 intervalles), médiane %4&#xa0;dB.</translation>
    </message>
</context>
<context>
    <name>AssessmentRules</name>
    <message>
        <source>Periods: day %1–%2, night %2–%1, Sundays and public holidays judged apart by day; a night belongs to the date it begins on (the night of the 12th runs from the 12th %2 to the 13th %1).</source>
        <translation>Périodes&#xa0;: diurne de %1 à %2, nocturne de %2 à %1, les dimanches et jours fériés jugés à part le jour&#xa0;; une période nocturne appartient à la date à laquelle elle commence (la nuit du 12 va du 12 à %2 au 13 à %1).</translation>
    </message>
    <message>
        <source>Periods: day %1–%2, night %2–%1; a night belongs to the date it begins on (the night of the 12th runs from the 12th %2 to the 13th %1).</source>
        <translation>Périodes&#xa0;: diurne de %1 à %2, nocturne de %2 à %1&#xa0;; une période nocturne appartient à la date à laquelle elle commence (la nuit du 12 va du 12 à %2 au 13 à %1).</translation>
    </message>
    <message>
        <source>Time heard T</source>
        <translation>Durée cumulée d’apparition T</translation>
    </message>
    <message>
        <source>Term (dB)</source>
        <translation>Terme correctif (dB)</translation>
    </message>
    <message>
        <source>Ambient Leq</source>
        <translation>LAeq du bruit ambiant</translation>
    </message>
    <message>
        <source>Day %1–%2 (dB)</source>
        <translation>Période diurne %1–%2 (dB)</translation>
    </message>
    <message>
        <source>Sundays and public holidays %1–%2 (dB)</source>
        <translation>Dimanches et jours fériés %1–%2 (dB)</translation>
    </message>
    <message>
        <source>Night %1–%2 (dB)</source>
        <translation>Période nocturne %1–%2 (dB)</translation>
    </message>
    <message>
        <source>Limit of the emergence: %1 dB by day, %2 dB at night.</source>
        <translation>Valeur limite de l’émergence&#xa0;: %1&#xa0;dB en période diurne, %2&#xa0;dB en période nocturne.</translation>
    </message>
    <message>
        <source>Limit of the emergence: %1 dB by day, %2 dB at night, plus a term for the total time T the noise is heard in the period:</source>
        <translation>Valeur limite de l’émergence&#xa0;: %1&#xa0;dB en période diurne, %2&#xa0;dB en période nocturne, augmentée d’un terme correctif selon la durée cumulée d’apparition T du bruit particulier dans la période&#xa0;:</translation>
    </message>
    <message>
        <source>Limits of the emergence by the ambient Leq of the period:</source>
        <translation>Valeurs limites de l’émergence selon le LAeq du bruit ambiant de la période&#xa0;:</translation>
    </message>
    <message>
        <source>No emergence is asked for when the ambient Leq is at or below %1 (%2 measured indoors).</source>
        <translation>Aucune émergence n’est recherchée lorsque le LAeq du bruit ambiant est inférieur ou égal à %1 (%2 pour une mesure à l’intérieur d’un logement).</translation>
    </message>
    <message>
        <source>No emergence is asked for when the ambient Leq is at or below %1.</source>
        <translation>Aucune émergence n’est recherchée lorsque le LAeq du bruit ambiant est inférieur ou égal à %1.</translation>
    </message>
    <message>
        <source>The indicator is the Leq, or the L50 when the ambient&apos;s Leq exceeds its L50 by more than %1; the emergence is the ambient&apos;s indicator less the residual&apos;s.</source>
        <translation>L’indicateur est le LAeq, ou le L50 lorsque le LAeq du bruit ambiant dépasse son L50 de plus de %1&#xa0;; l’émergence est l’indicateur du bruit ambiant diminué de celui du bruit résiduel.</translation>
    </message>
    <message>
        <source>A verdict is not conclusive when the emergence lies within %1 of its limit, either way; the side it leans to follows in smaller words.</source>
        <translation>Une conclusion est non concluante lorsque l’émergence est à moins de %1 de la valeur limite, d’un côté ou de l’autre&#xa0;; le côté vers lequel elle penche suit en petits caractères.</translation>
    </message>
    <message>
        <source>Notes: %1 when the emergence is below 0 (the residual minutes do not stand for the place without the noise); %2 when the residual has at least one and fewer than %3 minutes.</source>
        <translation>Remarques&#xa0;: %1 lorsque l’émergence est négative (les minutes de bruit résiduel ne représentent pas le lieu sans le bruit particulier)&#xa0;; %2 lorsque le bruit résiduel compte au moins une et moins de %3 minutes.</translation>
    </message>
    <message>
        <source>Intervals: %1 by day (%3–%4), %2 at night (%4–%3); an interval&apos;s L90 counts when residual minutes fill at least %5 % of it.</source>
        <translation>Intervalles&#xa0;: %1 le jour (%3–%4), %2 la nuit (%4–%3)&#xa0;; le L90 d’un intervalle est retenu lorsque les minutes de bruit résiduel en couvrent au moins %5&#xa0;%.</translation>
    </message>
    <message>
        <source>The background sound level of each period is the L90 its intervals show most often (the mode), given with their median; a mode no other interval shares is not representative, and the median is the level to read.</source>
        <translation>Le niveau de bruit de fond de chaque période est le L90 le plus fréquent de ses intervalles (le mode), donné avec leur médiane&#xa0;; un mode qu’aucun autre intervalle ne partage n’est pas représentatif, et c’est la médiane qu’il faut retenir.</translation>
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
        <translation>Choisissez une norme pour évaluer le bruit particulier repéré par rapport au bruit résiduel&#xa0;: sans repère de bruit résiduel, toute minute ni exclue ni repérée en bruit particulier est du bruit résiduel.</translation>
    </message>
    <message>
        <source>%1 (%2). Minutes measured %3, source %4, residual %5, excluded %6.</source>
        <translation>%1 (%2). Minutes mesurées %3, en bruit particulier %4, en bruit résiduel %5, exclues %6.</translation>
    </message>
    <message>
        <source>Show every period</source>
        <translation>Afficher toutes les périodes</translation>
    </message>
    <message>
        <source>Also list the periods in which the noise was not heard</source>
        <translation>Lister aussi les périodes où le bruit particulier n’a pas été repéré</translation>
    </message>
    <message>
        <source>Rows on an amber ground are not conclusive: the verdict gives the side it leans to in smaller letters.</source>
        <translation>Les lignes sur fond ambre sont non concluantes&#xa0;: la conclusion indique en petits caractères le côté vers lequel elle penche.</translation>
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
        <translation>diurne</translation>
    </message>
    <message>
        <source>holiday</source>
        <translation>dimanche ou jour férié</translation>
    </message>
    <message>
        <source>night</source>
        <translation>nocturne</translation>
    </message>
    <message>
        <source>compliant</source>
        <translation>conforme</translation>
    </message>
    <message>
        <source>exceeds</source>
        <translation>non conforme</translation>
    </message>
    <message>
        <source>below the gate</source>
        <translation>sous le seuil</translation>
    </message>
    <message>
        <source>not assessable</source>
        <translation>non évaluable</translation>
    </message>
    <message>
        <source>No period has both source and residual minutes above the gate: there is no worst period.</source>
        <translation>Aucune période n’a à la fois du bruit particulier et du bruit résiduel avec un bruit ambiant au-dessus du seuil&#xa0;: pas de période la plus défavorable.</translation>
    </message>
    <message>
        <source>%1: emergence %2 dB for a limit of %3 dB: %4</source>
        <translation>%1&#xa0;: émergence de %2 dB pour une valeur limite de %3 dB&#xa0;: %4</translation>
    </message>
    <message>
        <source>Night of %1</source>
        <translation>Période nocturne du %1</translation>
    </message>
    <message>
        <source>Day of %1</source>
        <translation>Période diurne du %1</translation>
    </message>
    <message>
        <source>Sunday or holiday of %1</source>
        <translation>Dimanche ou jour férié du %1</translation>
    </message>
    <message>
        <source>not conclusive</source>
        <translation>non concluant</translation>
    </message>
    <message>
        <source>compliant</source>
        <comment>leaning</comment>
        <translation>conforme</translation>
    </message>
    <message>
        <source>exceeds</source>
        <comment>leaning</comment>
        <translation>dépassement</translation>
    </message>
    <message>
        <source>Residual louder than ambient</source>
        <translation>Bruit résiduel supérieur au bruit ambiant</translation>
    </message>
    <message>
        <source>Residual measured under %1 min</source>
        <translation>Bruit résiduel mesuré moins de %1&#xa0;min</translation>
    </message>
    <message>
        <source>all periods</source>
        <translation>ensemble</translation>
    </message>
</context>
<context>
    <name>BackgroundLevelModel</name>
    <message>
        <source>%1 dB: %2</source>
        <translation>%1 dB&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 (not representative: median %2)</source>
        <translation>%1 (non représentatif&#xa0;: médiane %2)</translation>
    </message>
</context>
<context>
    <name>Carpet</name>
    <message>
        <source>Orange: the standard&apos;s day %1–%2 and night %2–%1</source>
        <translation>Orange&#xa0;: périodes diurne %1–%2 et nocturne %2–%1 de la norme</translation>
    </message>
</context>
<context>
    <name>CarpetView</name>
    <message>
        <source>The analysed period is too long for a carpet: select at most ten years.</source>
        <translation>La période analysée est trop longue pour un tapis&#xa0;: sélectionner au plus dix ans.</translation>
    </message>
    <message>
        <source>no level</source>
        <translation>pas de niveau</translation>
    </message>
    <message>
        <source>excluded</source>
        <translation>exclue</translation>
    </message>
    <message>
        <source>Mark %1 as source</source>
        <translation>Repérer %1 en bruit particulier</translation>
    </message>
    <message>
        <source>Mark %1 as residual</source>
        <translation>Repérer %1 en bruit résiduel</translation>
    </message>
    <message>
        <source>Exclude %1</source>
        <translation>Exclure %1</translation>
    </message>
</context>
<context>
    <name>CoreReason</name>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>plus de place sur le disque</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>an interval FROM/TO of the form yyyy-mm-ddThh:mm[:ss]/yyyy-mm-ddThh:mm[:ss] with FROM before TO</source>
        <translation>un intervalle DÉBUT/FIN de la forme aaaa-mm-jjThh:mm[:ss]/aaaa-mm-jjThh:mm[:ss], le DÉBUT avant la FIN</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>a whole number from 1</source>
        <translation>un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>a list of the paths of reports</source>
        <translation>une liste de chemins de relevés</translation>
    </message>
    <message>
        <source>the path of a report</source>
        <translation>le chemin d’un relevé</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a time yyyy-mm-ddThh:mm[:ss]</source>
        <translation>une heure aaaa-mm-jjThh:mm[:ss]</translation>
    </message>
    <message>
        <source>a level in dB or null</source>
        <translation>un niveau en dB ou null</translation>
    </message>
    <message>
        <source>a share from 0 to 1</source>
        <translation>une part de 0 à 1</translation>
    </message>
    <message>
        <source>[D, E, N], the hours that start the day, the evening and the night</source>
        <translation>[D, E, N], les heures de début du jour, de la soirée et de la nuit</translation>
    </message>
    <message>
        <source>[PE, PN], the evening and night penalties in dB</source>
        <translation>[PE, PN], les pénalités de soirée et de nuit en dB</translation>
    </message>
    <message>
        <source>a list of marks</source>
        <translation>une liste de repères</translation>
    </message>
    <message>
        <source>a mark {&quot;kind&quot;, &quot;from&quot;, &quot;to&quot;, &quot;reason&quot;}</source>
        <translation>un repère {&quot;kind&quot;, &quot;from&quot;, &quot;to&quot;, &quot;reason&quot;}</translation>
    </message>
    <message>
        <source>exclude, source or residual</source>
        <translation>exclude, source ou residual</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>the penalties must be numbers of dB</source>
        <translation>les pénalités doivent être des nombres de dB</translation>
    </message>
    <message>
        <source>the day, evening and night hours must be increasing within 0..23, the day before the evening (an empty evening has evening = night)</source>
        <translation>les heures du jour, de la soirée et de la nuit doivent croître de 0 à 23, le jour avant la soirée (une soirée vide a soirée = nuit)</translation>
    </message>
    <message>
        <source>not a JSON document: %1</source>
        <translation>ce n’est pas un document JSON&#xa0;: %1</translation>
    </message>
    <message>
        <source>expects a JSON object with &quot;format&quot;: &quot;%1&quot;, not %2</source>
        <translation>attend un objet JSON avec &quot;format&quot;: &quot;%1&quot;, pas %2</translation>
    </message>
    <message>
        <source>is missing: this is no analysis file, whose &quot;format&quot; is &quot;%1&quot;</source>
        <translation>manque&#xa0;: ce n’est pas un fichier d’analyse, dont le &quot;format&quot; est &quot;%1&quot;</translation>
    </message>
    <message>
        <source>expects %1, not %2</source>
        <translation>attend %1, pas %2</translation>
    </message>
    <message>
        <source>%1 is newer than this program reads (%2): open it with a newer version of the program</source>
        <translation>%1 est plus récente que ce que lit ce programme (%2)&#xa0;: ouvrez-le avec une version plus récente du programme</translation>
    </message>
    <message>
        <source>%1 must be after from %2</source>
        <translation>%1 doit venir après from %2</translation>
    </message>
    <message>
        <source>%1, not %2</source>
        <translation>%1, pas %2</translation>
    </message>
    <message>
        <source>%1 are not those of the preset &quot;%2&quot;: give &quot;preset&quot;: null to set them by hand</source>
        <translation>%1 ne sont pas celles du préréglage «&#xa0;%2&#xa0;»&#xa0;: donnez &quot;preset&quot;: null pour les fixer à la main</translation>
    </message>
    <message>
        <source>is missing: a mark needs its from and its to</source>
        <translation>manque&#xa0;: un repère a besoin de son from et de son to</translation>
    </message>
    <message>
        <source>%1 must be after its from %2</source>
        <translation>%1 doit venir après son from %2</translation>
    </message>
    <message>
        <source>the source interval %1 overlaps the residual interval %2 of marks[%3]; a minute is heard with the source or without it, not both</source>
        <translation>l’intervalle de bruit particulier %1 chevauche l’intervalle de bruit résiduel %2 de marks[%3]&#xa0;; une minute est entendue avec le bruit ou sans lui, pas les deux</translation>
    </message>
    <message>
        <source>the path %1 is not UTF-8, which an analysis file cannot hold</source>
        <translation>le chemin %1 n’est pas en UTF-8, ce qu’un fichier d’analyse ne peut contenir</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>aucun nom de fichier n’est donné</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c’est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>the file is larger than 4 GiB</source>
        <translation>le fichier dépasse 4&#xa0;Gio</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>la mémoire ne suffit pas pour le lire</translation>
    </message>
    <message>
        <source>there is not enough memory to analyse it</source>
        <translation>la mémoire ne suffit pas pour l’analyser</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>une erreur inattendue</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>no &quot;@&quot; ends the code table within the first 257 bytes</source>
        <translation>aucun «&#xa0;@&#xa0;» ne termine la table de codage dans les 257 premiers octets</translation>
    </message>
    <message>
        <source>the code word at byte %1 has %2 count characters; a table has at most 256 entries</source>
        <translation>le mot de code à l’octet %1 a %2 caractères de compte&#xa0;; une table a au plus 256 entrées</translation>
    </message>
    <message>
        <source>the level &quot;%1&quot; is not a number</source>
        <translation>le niveau «&#xa0;%1&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <source>the level %1 does not fit 16 bits</source>
        <translation>le niveau %1 ne tient pas sur 16 bits</translation>
    </message>
    <message>
        <source>the level %1 does not fit 32 bits</source>
        <translation>le niveau %1 ne tient pas sur 32 bits</translation>
    </message>
    <message>
        <source>the 1 minute section holds no level record, so there are no running 5- and 10-minute maxima to list</source>
        <translation>la section 1 minute ne contient aucun enregistrement de niveau&#xa0;: il n’y a donc pas de maxima glissants sur 5 et 10 minutes à lister</translation>
    </message>
    <message>
        <source>holds no report: none of its lines is a section heading</source>
        <translation>ne contient aucun relevé&#xa0;: aucune de ses lignes n’est un titre de section</translation>
    </message>
    <message>
        <source>there is not enough memory to list the report</source>
        <translation>la mémoire ne suffit pas pour lister le relevé</translation>
    </message>
    <message>
        <source>reading the report was cancelled</source>
        <translation>la lecture du relevé a été annulée</translation>
    </message>
    <message>
        <source>decoding was cancelled</source>
        <translation>le décodage a été annulé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not followed by %2</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas suivi d’%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2, nor a kind (exclude, source or residual) before one</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas %2, ni un type (exclude, source ou residual) suivi d’un intervalle</translation>
    </message>
    <message>
        <source>an object of the CSV exports&apos; columns by file</source>
        <translation>un objet des colonnes des exports CSV par fichier</translation>
    </message>
    <message>
        <source>the columns of an export {&quot;time&quot;, &quot;clock&quot;, &quot;level&quot;, &quot;l90&quot;, &quot;stamp&quot;}</source>
        <translation>les colonnes d’un export {&quot;time&quot;, &quot;clock&quot;, &quot;level&quot;, &quot;l90&quot;, &quot;stamp&quot;}</translation>
    </message>
    <message>
        <source>a header or a column number from 1</source>
        <translation>un en-tête ou un numéro de colonne à partir de 1</translation>
    </message>
    <message>
        <source>start or end</source>
        <translation>start ou end</translation>
    </message>
</context>
<context>
    <name>CsvColumnsDialog</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 (column %2)</source>
        <translation>%1 (colonne %2)</translation>
    </message>
    <message>
        <source>Columns of &quot;%1&quot;</source>
        <translation>Colonnes de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The columns found in this export of levels: confirm them or choose others.</source>
        <translation>Les colonnes trouvées dans cet export de niveaux&#xa0;: confirmez-les ou choisissez-en d’autres.</translation>
    </message>
    <message>
        <source>the start of its sample</source>
        <translation>le début de son échantillon</translation>
    </message>
    <message>
        <source>the end of its sample</source>
        <translation>la fin de son échantillon</translation>
    </message>
    <message>
        <source>Date and time, or date</source>
        <translation>Date et heure, ou date</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Level (LAeq)</source>
        <translation>Niveau (LAeq)</translation>
    </message>
    <message>
        <source>LA90</source>
        <translation>LA90</translation>
    </message>
    <message>
        <source>A row&apos;s time is</source>
        <translation>L’heure d’une ligne est</translation>
    </message>
    <message>
        <source>Step found</source>
        <translation>Pas trouvé</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trouvé</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CsvRefusal</name>
    <message>
        <source>the time</source>
        <translation>l’heure</translation>
    </message>
    <message>
        <source>the A-weighted Leq</source>
        <translation>le Leq pondéré A</translation>
    </message>
    <message>
        <source>the LA90</source>
        <translation>le LA90</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>(column %1)</source>
        <translation>(colonne %1)</translation>
    </message>
    <message>
        <source>the row has no column %1</source>
        <translation>la ligne n’a pas de colonne %1</translation>
    </message>
    <message>
        <source>the time %1 cannot be read</source>
        <translation>l’heure %1 est illisible</translation>
    </message>
    <message>
        <source>the level %1 is no number</source>
        <translation>le niveau %1 n’est pas un nombre</translation>
    </message>
    <message>
        <source>the level %1 is outside %2..%3 dB</source>
        <translation>le niveau %1 est hors de %2..%3 dB</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>the file holds no rows</source>
        <translation>le fichier ne contient aucune ligne</translation>
    </message>
    <message>
        <source>the file is UTF-16 text; export it as UTF-8 or Latin-1 CSV</source>
        <translation>le fichier est un texte UTF-16&#xa0;; exportez-le en CSV UTF-8 ou Latin-1</translation>
    </message>
    <message>
        <source>no header row naming the columns above the first row with a time (line %1)</source>
        <translation>aucune ligne d’en-tête ne nomme les colonnes au-dessus de la première ligne datée (ligne %1)</translation>
    </message>
    <message>
        <source>no header row naming the columns followed by rows with a date and a time (such as 2025-03-22 00:00:00) in the first lines</source>
        <translation>aucune ligne d’en-tête nommant les colonnes suivie de lignes avec une date et une heure (comme 2025-03-22 00:00:00) dans les premières lignes</translation>
    </message>
    <message>
        <source>the header (line %1) is followed by no rows of levels</source>
        <translation>l’en-tête (ligne %1) n’est suivi d’aucune ligne de niveaux</translation>
    </message>
    <message>
        <source>no column holds %1 (headers: %2); choose one among the columns</source>
        <translation>aucune colonne ne contient %1 (en-têtes&#xa0;: %2)&#xa0;; choisissez-en une parmi les colonnes</translation>
    </message>
    <message>
        <source>several columns could hold %1: %2; choose one among the columns</source>
        <translation>plusieurs colonnes pourraient contenir %1&#xa0;: %2&#xa0;; choisissez-en une parmi les colonnes</translation>
    </message>
    <message>
        <source>the column %1 chosen for %2 is not there (headers: %3)</source>
        <translation>la colonne %1 choisie pour %2 est absente (en-têtes&#xa0;: %3)</translation>
    </message>
    <message>
        <source>none of its %1 rows could be read</source>
        <translation>aucune de ses %1 lignes n’a pu être lue</translation>
    </message>
    <message>
        <source>only one row has a time (line %1): the step between samples cannot be found</source>
        <translation>une seule ligne a une heure (ligne %1)&#xa0;: le pas entre échantillons est introuvable</translation>
    </message>
    <message>
        <source>every row has the same time, %1: the step between samples cannot be found</source>
        <translation>toutes les lignes ont la même heure, %1&#xa0;: le pas entre échantillons est introuvable</translation>
    </message>
    <message>
        <source>the step between samples (the most common difference between times) is %1, outside %2 to %3</source>
        <translation>le pas entre échantillons (l’écart le plus fréquent entre les heures) est de %1, hors de %2 à %3</translation>
    </message>
    <message>
        <source>reading cancelled</source>
        <translation>lecture annulée</translation>
    </message>
</context>
<context>
    <name>DailyProfile</name>
    <message>
        <source>band: lowest to highest hourly Leq of the dates</source>
        <translation>bande&#xa0;: du plus faible au plus fort Leq horaire des dates</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Jours de semaine</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Week-ends</translation>
    </message>
    <message>
        <source>All dates</source>
        <translation>Toutes les dates</translation>
    </message>
</context>
<context>
    <name>DaysTableModel</name>
    <message>
        <source>Rests on too little data: the coverage is below the minimum</source>
        <translation>Repose sur trop peu de données&#xa0;: le taux de couverture est inférieur au minimum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Day coverage</source>
        <translation>Couverture jour</translation>
    </message>
    <message>
        <source>Evening coverage</source>
        <translation>Couverture soirée</translation>
    </message>
    <message>
        <source>Night coverage</source>
        <translation>Couverture nuit</translation>
    </message>
</context>
<context>
    <name>DistributionChart</name>
    <message>
        <source>Night-time: L90 of each 15 minutes</source>
        <translation>Période nocturne&#xa0;: L90 de chaque quart d’heure</translation>
    </message>
    <message>
        <source>Daytime: L90 of each hour</source>
        <translation>Période diurne&#xa0;: L90 de chaque heure</translation>
    </message>
    <message>
        <source>No interval has an L90.</source>
        <translation>Aucun intervalle n’a de L90.</translation>
    </message>
    <message>
        <source>Mode %1 dB</source>
        <translation>Mode %1&#xa0;dB</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalles</translation>
    </message>
    <message>
        <source>L90 (dB)</source>
        <translation>L90 (dB)</translation>
    </message>
    <message>
        <source>No interval has an L90: an hour by day or a quarter hour at night needs 80 % of its minutes residual.</source>
        <translation>Aucun intervalle n’a de L90&#xa0;: une heure en période diurne ou un quart d’heure en période nocturne doit compter 80&#xa0;% de minutes de bruit résiduel.</translation>
    </message>
    <message>
        <source>All minutes</source>
        <translation>Toutes les minutes</translation>
    </message>
    <message>
        <source>Source noise</source>
        <translation>Bruit particulier</translation>
    </message>
    <message>
        <source>Residual noise</source>
        <translation>Bruit résiduel</translation>
    </message>
    <message>
        <source>% of time at the level</source>
        <translation>% du temps à ce niveau</translation>
    </message>
    <message>
        <source>% of time above</source>
        <translation>% du temps au-dessus</translation>
    </message>
    <message>
        <source>Level (dB)</source>
        <translation>Niveau (dB)</translation>
    </message>
    <message>
        <source>%1 (%2 min)</source>
        <translation>%1 (%2&#xa0;min)</translation>
    </message>
    <message>
        <source>No minute with a level in this period.</source>
        <translation>Aucune minute mesurée sur cette période.</translation>
    </message>
    <message>
        <source>Levels of the 1-minute Leq. Bars: time at each level; lines: time above it; dashed: L10, L50, L90.</source>
        <translation>Niveaux des LAeq sur 1 minute. Barres&#xa0;: temps à chaque niveau&#xa0;; courbes&#xa0;: temps au-dessus&#xa0;; tirets&#xa0;: L10, L50, L90.</translation>
    </message>
    <message>
        <source>%1 (%2 samples)</source>
        <translation>%1 (%2&#xa0;échantillons)</translation>
    </message>
    <message>
        <source>Levels of the %1 Leq. Bars: time at each level; lines: time above it; dashed: L10, L50, L90.</source>
        <translation>Niveaux des LAeq sur %1. Barres&#xa0;: temps à chaque niveau&#xa0;; courbes&#xa0;: temps au-dessus&#xa0;; tirets&#xa0;: L10, L50, L90.</translation>
    </message>
</context>
<context>
    <name>DistributionView</name>
    <message>
        <source>Levels of the selection: %1.</source>
        <translation>Niveaux de la sélection&#xa0;: %1.</translation>
    </message>
    <message>
        <source>BS 4142 background: the L90 of the analysed period.</source>
        <translation>Bruit de fond BS 4142&#xa0;: L90 de la période analysée.</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir %1</translation>
    </message>
    <message>
        <source>Remove the marks chosen</source>
        <translation>Retirer les repères choisis</translation>
    </message>
    <message>
        <source>Open analysis...</source>
        <translation>Ouvrir une analyse…</translation>
    </message>
    <message>
        <source>Save analysis</source>
        <translation>Enregistrer l’analyse</translation>
    </message>
    <message>
        <source>Save analysis as...</source>
        <translation>Enregistrer l’analyse sous…</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
</context>
<context>
    <name>EditedAnalysis</name>
    <message>
        <source>mark as %1 %2</source>
        <translation>repère %1 %2</translation>
    </message>
    <message>
        <source>remove %1</source>
        <translation>retrait de %1</translation>
    </message>
    <message>
        <source>make %1 %2</source>
        <translation>%1 changé en %2</translation>
    </message>
    <message>
        <source>select %1</source>
        <translation>sélection %1</translation>
    </message>
    <message>
        <source>change the settings</source>
        <translation>changement des paramètres</translation>
    </message>
    <message>
        <source>choose the periods of %1</source>
        <translation>choix des périodes %1</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>compare with the WHO guidelines</source>
        <translation>comparaison aux valeurs guides de l’OMS</translation>
    </message>
    <message>
        <source>choose the standard</source>
        <translation>choix de la norme</translation>
    </message>
    <message>
        <source>add %1</source>
        <translation>ajout de %1</translation>
    </message>
    <message numerus="yes">
        <source>remove %n mark(s)</source>
        <translation>
            <numerusform>retrait de %n repère</numerusform>
            <numerusform>retrait de %n repères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>make %n mark(s) %1</source>
        <translation>
            <numerusform>%n repère changé en %1</numerusform>
            <numerusform>%n repères changés en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The mark would end at %1, not after its start at %2: a mark ends after it starts.</source>
        <translation>Le repère finirait à %1, pas après son début à %2&#xa0;: un repère finit après avoir commencé.</translation>
    </message>
    <message>
        <source>change %1</source>
        <translation>modification de %1</translation>
    </message>
</context>
<context>
    <name>EmergenceTableModel</name>
    <message>
        <source>Not conclusive (%1): the emergence is within %2 dB of the limit</source>
        <translation>Non concluant (%1)&#xa0;: l’émergence est à moins de %2&#xa0;dB de la valeur limite</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Analysis (*.vrda);;All files (*)</source>
        <translation>Analyse (*.vrda);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>Open analysis</source>
        <translation>Ouvrir une analyse</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: these reports could not be opened; the Files tab says why:
%2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: ces relevés n’ont pas pu être ouverts&#xa0;; l’onglet Fichiers en donne la raison&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Save analysis</source>
        <translation>Enregistrer l’analyse</translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot;…</source>
        <translation>Lecture de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>Reports and level exports (*.vrd *.txt *.csv);;All files (*)</source>
        <translation>Relevés et exports de niveaux (*.vrd *.txt *.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>FilesTab</name>
    <message>
        <source>Add file...</source>
        <translation>Ajouter un fichier…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Open analysis...</source>
        <translation>Ouvrir une analyse…</translation>
    </message>
    <message>
        <source>Save analysis...</source>
        <translation>Enregistrer l’analyse…</translation>
    </message>
    <message>
        <source>Save the report paths as absolute paths</source>
        <translation>Enregistrer les chemins absolus des relevés</translation>
    </message>
    <message>
        <source>Without it the analysis file names its reports from its own folder, so that both can be moved together</source>
        <translation>Sinon, le fichier d’analyse désigne ses relevés à partir de son propre dossier, pour pouvoir les déplacer ensemble</translation>
    </message>
</context>
<context>
    <name>HoursTableModel</name>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
</context>
<context>
    <name>MarkActions</name>
    <message>
        <source>No minute of the analysed period is above %1 dB.</source>
        <translation>Aucune minute de la période analysée ne dépasse %1 dB.</translation>
    </message>
    <message>
        <source>above %1 dB</source>
        <translation>au-dessus de %1 dB</translation>
    </message>
    <message>
        <source>Make it %1</source>
        <translation>En faire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Save marks</source>
        <translation>Enregistrer les repères</translation>
    </message>
    <message>
        <source>Marks (*.txt);;All files (*)</source>
        <translation>Repères (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>repères</translation>
    </message>
    <message>
        <source>Load marks</source>
        <translation>Charger des repères</translation>
    </message>
    <message>
        <source>load the marks of %1</source>
        <translation>chargement des repères de %1</translation>
    </message>
    <message>
        <source>Make them %1</source>
        <translation>En faire&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n mark(s)</source>
        <translation>
            <numerusform>Retirer %n repère</numerusform>
            <numerusform>Retirer %n repères</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a threshold in &quot;Settings&quot; first: the runs above it become marks.</source>
        <translation>Fixez d’abord un seuil dans «&#xa0;Paramètres&#xa0;»&#xa0;: les dépassements deviennent des repères.</translation>
    </message>
    <message numerus="yes">
        <source>mark %n run(s) above %1 dB as %2</source>
        <translation>
            <numerusform>repérage de %n dépassement de %1 dB en %2</numerusform>
            <numerusform>repérage de %n dépassements de %1 dB en %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MarkRunsDialog</name>
    <message>
        <source>Mark runs above threshold</source>
        <translation>Repérer les dépassements du seuil</translation>
    </message>
    <message>
        <source>The runs of measured minutes above %1 dB, each ended by a gap, a missing or an excluded minute, become marks.</source>
        <translation>Les dépassements de %1 dB, suites de minutes mesurées au-dessus du seuil que termine une lacune, une minute manquante ou exclue, deviennent des repères.</translation>
    </message>
    <message>
        <source>Mark them as</source>
        <translation>Les repérer en</translation>
    </message>
    <message>
        <source>A mark shorter than this, from its start to its end, is left out.</source>
        <translation>Un repère plus court, de son début à sa fin, est écarté.</translation>
    </message>
    <message>
        <source>Shortest mark</source>
        <translation>Repère le plus court</translation>
    </message>
    <message>
        <source>Two runs with at most this many minutes between them make one mark; 0: never.</source>
        <translation>Deux dépassements séparés d’au plus ces minutes font un seul repère&#xa0;; 0&#xa0;: jamais.</translation>
    </message>
    <message>
        <source>Join over breaks of at most</source>
        <translation>Joindre par-dessus les pauses d’au plus</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Repérer</translation>
    </message>
    <message numerus="yes">
        <source>%n mark(s) will be made.</source>
        <translation>
            <numerusform>%n repère sera créé.</numerusform>
            <numerusform>%n repères seront créés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MarkTableModel</name>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: write it yyyy-mm-dd hh:mm or hh:mm:ss.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une heure&#xa0;: écrivez-la jj/mm/aaaa hh:mm ou hh:mm:ss.</translation>
    </message>
</context>
<context>
    <name>MarkText</name>
    <message>
        <source>source</source>
        <translation>bruit particulier</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>bruit résiduel</translation>
    </message>
    <message>
        <source>excluded</source>
        <translation>exclusion</translation>
    </message>
    <message>
        <source>1 mark lies outside the reports&apos; minutes and changes no figure: </source>
        <translation>1 repère est hors des minutes des relevés et ne change aucun résultat&#xa0;: </translation>
    </message>
    <message>
        <source>%1 marks lie outside the reports&apos; minutes and change no figure: </source>
        <translation>%1 repères sont hors des minutes des relevés et ne changent aucun résultat&#xa0;: </translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>&#xa0;; et %1 autres</translation>
    </message>
    <message>
        <source>They are kept; check their dates against the reports&apos; on the Files tab.</source>
        <translation>Ils sont conservés&#xa0;; vérifiez leurs dates au regard de celles des relevés dans l’onglet Fichiers.</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>The analysis &quot;%1&quot; had changes that were not saved when the program stopped.</source>
        <translation>L’analyse «&#xa0;%1&#xa0;» avait des modifications non enregistrées quand le programme s’est arrêté.</translation>
    </message>
    <message>
        <source>An analysis of &quot;%1&quot; was not saved when the program stopped.</source>
        <translation>Une analyse de «&#xa0;%1&#xa0;» n’était pas enregistrée quand le programme s’est arrêté.</translation>
    </message>
    <message>
        <source>An analysis was not saved when the program stopped.</source>
        <translation>Une analyse n’était pas enregistrée quand le programme s’est arrêté.</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Récupération</translation>
    </message>
    <message>
        <source>A copy of it was kept on %1. Restore it, or discard the copy?</source>
        <translation>Une copie en a été gardée le %1. La restaurer, ou abandonner la copie&#xa0;?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>ReportActions</name>
    <message>
        <source>These files could not be read and are left out of the report:

%1

Go on without them, or cancel and remove them on the Files tab?</source>
        <translation>Ces fichiers n’ont pas pu être lus et sont laissés hors du rapport&#xa0;:

%1

Continuer sans eux, ou annuler pour les retirer dans l’onglet Fichiers&#xa0;?</translation>
    </message>
    <message>
        <source>Save without them</source>
        <translation>Enregistrer sans eux</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print without them</source>
        <translation>Imprimer sans eux</translation>
    </message>
    <message>
        <source>Save tables as spreadsheet</source>
        <translation>Exporter les tableaux</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx);;Comma-separated values (*.csv)</source>
        <translation>Classeur Excel (*.xlsx);;Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>not written: no file gave a readable minute</source>
        <translation>non écrit&#xa0;: aucun fichier n’a donné de minute lisible</translation>
    </message>
    <message>
        <source>none of its 1-minute records has a readable date, time and level</source>
        <translation>aucun de ses enregistrements d’une minute n’a de date, d’heure et de niveau lisibles</translation>
    </message>
    <message>
        <source>Nothing was written: no file is open, and a report needs a readable minute.</source>
        <translation>Rien n’a été écrit&#xa0;: aucun fichier n’est ouvert, et un rapport demande au moins une minute lisible.</translation>
    </message>
    <message>
        <source>Nothing was written: no file gave a readable minute.

%1</source>
        <translation>Rien n’a été écrit&#xa0;: aucun fichier n’a donné de minute lisible.

%1</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>--lang: &quot;%1&quot; is not a language of the report: fr or en</source>
        <translation>--lang&#xa0;: «&#xa0;%1&#xa0;» n’est pas une langue du rapport&#xa0;: fr ou en</translation>
    </message>
    <message>
        <source>none of its 1-minute records has a readable date, time and level</source>
        <translation>aucun de ses enregistrements d’une minute n’a de date, d’heure et de niveau lisibles</translation>
    </message>
    <message>
        <source>not written: no file gave a readable minute</source>
        <translation>non écrit&#xa0;: aucun fichier n’a donné de minute lisible</translation>
    </message>
</context>
<context>
    <name>ReportFileListModel</name>
    <message>
        <source>read</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>decode</source>
        <translation>décodage</translation>
    </message>
    <message>
        <source>parse</source>
        <translation>interprétation</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
</context>
<context>
    <name>StatisticsModel</name>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Taux de couverture</translation>
    </message>
    <message>
        <source>Minutes measured</source>
        <translation>Minutes mesurées</translation>
    </message>
    <message>
        <source>Minutes excluded</source>
        <translation>Minutes exclues</translation>
    </message>
    <message>
        <source>Minutes above threshold</source>
        <translation>Minutes au-dessus du seuil</translation>
    </message>
    <message>
        <source>Events above threshold</source>
        <translation>Dépassements du seuil</translation>
    </message>
    <message>
        <source>Longest event (min)</source>
        <translation>Plus long dépassement (min)</translation>
    </message>
    <message>
        <source>Seconds measured</source>
        <translation>Secondes mesurées</translation>
    </message>
    <message>
        <source>Seconds excluded</source>
        <translation>Secondes exclues</translation>
    </message>
    <message>
        <source>Samples measured</source>
        <translation>Échantillons mesurés</translation>
    </message>
    <message>
        <source>Seconds above threshold</source>
        <translation>Secondes au-dessus du seuil</translation>
    </message>
    <message>
        <source>Longest event (s)</source>
        <translation>Plus long dépassement (s)</translation>
    </message>
</context>
<context>
    <name>WhoText</name>
    <message>
        <source>road traffic</source>
        <translation>trafic routier</translation>
    </message>
    <message>
        <source>railways</source>
        <translation>trafic ferroviaire</translation>
    </message>
    <message>
        <source>aircraft</source>
        <translation>trafic aérien</translation>
    </message>
    <message>
        <source>wind turbines</source>
        <translation>éoliennes</translation>
    </message>
    <message>
        <source>Noise source (WHO)</source>
        <translation>Source de bruit (OMS)</translation>
    </message>
    <message>
        <source>%1 WHO guideline</source>
        <translation>Valeur guide OMS %1</translation>
    </message>
    <message>
        <source>%1 − WHO guideline</source>
        <translation>%1 − valeur guide OMS</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Above the WHO guideline for wind turbines (%1)</source>
        <translation>Au-dessus de la valeur guide de l’OMS pour les éoliennes (%1)</translation>
    </message>
    <message>
        <source>Above the WHO guideline for road traffic (%1)</source>
        <translation>Au-dessus de la valeur guide de l’OMS pour le trafic routier (%1)</translation>
    </message>
    <message>
        <source>Above the WHO guideline for railways (%1)</source>
        <translation>Au-dessus de la valeur guide de l’OMS pour le trafic ferroviaire (%1)</translation>
    </message>
    <message>
        <source>Above the WHO guideline for aircraft (%1)</source>
        <translation>Au-dessus de la valeur guide de l’OMS pour le trafic aérien (%1)</translation>
    </message>
    <message>
        <source>%1 (dB, WHO %2)</source>
        <translation>%1 (dB, OMS %2)</translation>
    </message>
</context>
<context>
    <name>frmAnalysis</name>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Tapis</translation>
    </message>
    <message>
        <source>Daily profile</source>
        <translation>Profil journalier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>The selection needs a from and a to time written yyyy-mm-dd hh:mm, the from before the to.</source>
        <translation>La sélection demande un début et une fin écrits jj/mm/aaaa hh:mm (ou aaaa-mm-jj hh:mm), le début avant la fin.</translation>
    </message>
    <message>
        <source>Assessment</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Répartition</translation>
    </message>
</context>
</TS>
