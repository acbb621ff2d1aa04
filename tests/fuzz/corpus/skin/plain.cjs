QWidget { background-color: #d4d0c8; color: black; font: 9pt "Liberation Sans"; }
QPushButton { border: 2px outset #ffffff; padding: 3px 8px; min-width: 60px; }
QPushButton:hover { background: #e8e4dc; }
QPushButton:pressed { border-style: inset; }
QPushButton:disabled { color: gray; }
