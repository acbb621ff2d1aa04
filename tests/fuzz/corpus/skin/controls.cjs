QGroupBox { border: 1px solid gray; border-radius: 4px; margin-top: 1.2em; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }
QRadioButton::indicator { width: 11px; height: 11px; }
QRadioButton:checked { font-weight: bold; }
QLineEdit[readOnly="true"] { background: palette(window); selection-color: rgba(255, 0, 0, 50%); }
QLabel#caption, QLabel > QWidget { qproperty-alignment: AlignCenter; }
