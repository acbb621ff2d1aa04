* { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff, stop:1 hsv(200, 80, 200)); }
QPushButton { background: qradialgradient(cx:0.5, cy:0.5, radius:1, fx:0.3, fy:0.3, stop:0 white, stop:1 #224); border-image: url(missing.png) 4 4 4 4 stretch; }
QWidget:!enabled:focus { outline: 1px dotted; margin: -2px; font-size: 11px; }
