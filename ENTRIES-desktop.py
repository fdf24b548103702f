entries = [
    ("Drovik Viewer's own text: the application menu item that forgets the recent folders which are no longer there",
     "Clear Missing Folders", "Effacer les dossiers introuvables", "見つからないフォルダを消去", "Limpar pastas ausentes"),
]
