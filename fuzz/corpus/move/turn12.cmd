BEGIN
PLA 3 3 FO 2 2 SH 3 2 CA
DEF 3 3 F 3 2 T
LAND 3 3 P HO 2 FO 3 E
LAND 3 4 FO 2 E
SEA 2 4 SH 2 FO 1 W S
RAID 3 2 HO 1 E E
ESP 10 3 8 4
NAME 3 4 Hrafnsey
NAME Harald Fairhair
ALL 1 2
CEDE 2 5 2
BUILD 2 3
END
To all: the Vikings come in peace.
To Black Company: leave Ravenhold before the spring.
