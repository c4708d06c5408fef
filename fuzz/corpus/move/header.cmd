From: gm

begin
land 12 7 fo 10 n e
END
Greetings
