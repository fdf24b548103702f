entries = [
    ("Drovik Viewer's own text: the trip's timeline and speed chart, on hover: which clip of the trip "
     "and which time in it lie under the pointer (%1 the clip's number, %2 the trip's clip count, %3 the time in the clip)",
     "Clip %1 of %2 · %3", "Clip %1 sur %2 · %3", "クリップ %1/%2 · %3", "Clipe %1 de %2 · %3"),
    ("Drovik Viewer's own text: the trip's speed chart when none of its clips recorded a GPS speed",
     "No speed recorded", "Aucune vitesse enregistrée", "速度の記録がありません", "Nenhuma velocidade registrada"),
]
