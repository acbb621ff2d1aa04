QWidget { color: red; QLabel { { } ;;; ::: "open string
